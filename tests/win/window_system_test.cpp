// The Win32 window system on real (Wine) windows: a form table becomes a window whose child
// controls carry the table's texts, positions and colours, and their events reach the form.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/forms/win32_window_system.h"
#include "platform/win32/wide_text.h"
#include "ui/forms/forms.h"

namespace velkor::win32 {
namespace {

constexpr Colour kBack = 0xA75938;
constexpr Colour kPanelBack = 0x00FF00;
constexpr ControlDesign kControls[] = {
    {.name = "Label2", .caption = "Aktuelle Zeit:", .rect = {120, 600, 1695, 255},
     .foreColour = kWhite},
    {.name = "Picture2", .kind = ControlKind::PictureBox, .rect = {4320, 240, 2655, 2775},
     .backColour = kPanelBack},
    {.name = "shTOn", .caption = "Shut Down Timer ON", .rect = {0, 0, 2535, 255},
     .container = "Picture2", .foreColour = kWhite},
    {.name = "Line1", .kind = ControlKind::Line, .rect = {0, 520, 2640, 520},
     .container = "Picture2", .foreColour = 0xFF8080},
    {.name = "Frame1", .kind = ControlKind::Frame, .caption = "Aktionen", .rect = {0, 1000, 3975, 1935},
     .foreColour = 0xFFFF00},
    {.name = "Check1(0)", .kind = ControlKind::CheckBox, .caption = "Windows Herunterfahren",
     .rect = {120, 360, 3735, 255}, .container = "Frame1", .foreColour = kWhite},
    {.name = "Text1", .kind = ControlKind::TextBox, .caption = "20", .rect = {120, 2400, 375, 285}},
};
constexpr TimerDesign kTimers[] = {{.name = "Timer1", .intervalMs = 30}};
constexpr FormDesign kDesign = {.name = "Probe", .caption = "Velkor Fenstertest",
                            .border = BorderStyle::FixedSingle, .minButton = true,
                            .clientWidthTwips = 7140, .clientHeightTwips = 3240,
                            .backColour = kBack};

class ProbeForm : public Form {
public:
    ProbeForm() : Form(kDesign, kControls, kTimers) {}
    std::vector<std::string> events;
    int ticks = 0;
    void OnClick(Control& control) override {
        events.push_back("click " + std::string(control.name()) + " " +
                         std::to_string(static_cast<int>(control.Value())));
    }
    void OnChange(Control& control) override {
        events.push_back("change " + std::string(control.name()) + " " + control.Text());
    }
    void OnMouseMove(Control* control, int x, int y) override {
        events.push_back("move " + std::string(control ? control->name() : "form") + " " +
                         std::to_string(x) + "," + std::to_string(y));
    }
    void OnTimer(FormTimer&) override { ++ticks; }
    void OnTrayEvent(std::uint32_t code) override { events.push_back("tray " + std::to_string(code)); }
};

std::string TextOf(HWND window) {
    wchar_t buffer[256] = {};
    GetWindowTextW(window, buffer, 256);
    return Narrow(buffer);
}

// Position and size of a child in its parent's client coordinates.
RECT PlaceOf(HWND child) {
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void PumpFor(WindowSystem& windows, int milliseconds) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
    while (GetTickCount64() < end) {
        windows.ProcessPendingMessages();
        Sleep(5);
    }
}

struct WindowSystemOnWindows : ::testing::Test {
    Win32WindowSystem windows{GetModuleHandleW(nullptr)};
    Forms forms{windows};
    ProbeForm form;
    HWND window = nullptr;

    void SetUp() override {
        // The pointer, wherever an earlier test left it, must not sit over the new window.
        SetCursorPos(1020, 5);
        windows.Attach(forms);
        forms.Show(form);
        window = reinterpret_cast<HWND>(windows.WindowHandleOf(form));
        ASSERT_TRUE(IsWindow(window));
        PumpFor(windows, 50);
        form.events.clear();
    }
    HWND Child(const char* name) { return windows.ControlWindow(form.control(name)); }
};

TEST_F(WindowSystemOnWindows, ControlsCarryTheTablesTextsAndPixelPositions) {
    ASSERT_EQ(windows.Dpi(), 96);
    EXPECT_EQ(TextOf(window), "Velkor Fenstertest");
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 476);  // 7140 twips
    EXPECT_EQ(client.bottom, 216);

    EXPECT_EQ(TextOf(Child("Label2")), "Aktuelle Zeit:");
    const RECT label = PlaceOf(Child("Label2"));
    EXPECT_EQ(label.left, 8);
    EXPECT_EQ(label.top, 40);
    EXPECT_EQ(label.right - label.left, 113);

    // Inside the picture box: a child of its window, placed relative to it.
    EXPECT_EQ(GetParent(Child("shTOn")), Child("Picture2"));
    EXPECT_EQ(PlaceOf(Child("shTOn")).left, 0);
    // Inside a frame: a child of the form, placed relative to the frame.
    EXPECT_EQ(GetParent(Child("Check1(0)")), window);
    EXPECT_EQ(PlaceOf(Child("Check1(0)")).top, windows.Pixels(1000 + 360));
    EXPECT_EQ(TextOf(Child("Check1(0)")), "Windows Herunterfahren");
    EXPECT_EQ(TextOf(Child("Text1")), "20");
}

TEST_F(WindowSystemOnWindows, ColoursAreDrawn) {
    UpdateWindow(window);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC dc = GetDC(window);
    const COLORREF background = GetPixel(dc, 200, 5);
    const COLORREF panel = GetPixel(dc, 4320 / 15 + 100, 240 / 15 + 100);
    const COLORREF line = GetPixel(dc, 4320 / 15 + 50, windows.Pixels(240) + windows.Pixels(520));
    // Right of the label's text but inside the label: the window shows through.
    const COLORREF underLabel = GetPixel(dc, 8 + 110, 40 + 8);
    ReleaseDC(window, dc);
    EXPECT_EQ(background, ToColorRef(kBack));
    EXPECT_EQ(panel, ToColorRef(kPanelBack));
    EXPECT_EQ(line, ToColorRef(0xFF8080));
    EXPECT_EQ(underLabel, ToColorRef(kBack));
}

// Velkor.exe's manifest asks for common controls 6, whose controls draw differently; this
// activates it for the windows made in scope, taken from the Velkor.exe built beside the tests.
class ProgramManifestScope {
public:
    ProgramManifestScope() {
        wchar_t path[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        std::wstring exe = path;
        for (int up = 0; up < 3; ++up) exe.resize(exe.rfind(L'\\'));  // build\win64
        exe += L"\\Velkor.exe";
        ACTCTXW context = {};
        context.cbSize = sizeof context;
        context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
        context.lpSource = exe.c_str();
        context.lpResourceName = MAKEINTRESOURCEW(1);
        context_ = CreateActCtxW(&context);
        if (context_ != INVALID_HANDLE_VALUE) ActivateActCtx(context_, &cookie_);
    }
    ~ProgramManifestScope() {
        if (context_ == INVALID_HANDLE_VALUE) return;
        DeactivateActCtx(0, cookie_);
        ReleaseActCtx(context_);
    }
    bool active() const { return context_ != INVALID_HANDLE_VALUE; }
    ProgramManifestScope(const ProgramManifestScope&) = delete;
    ProgramManifestScope& operator=(const ProgramManifestScope&) = delete;

private:
    HANDLE context_ = INVALID_HANDLE_VALUE;
    ULONG_PTR cookie_ = 0;
};

TEST(WindowSystemWithProgramManifest, FrameCaptionHasItsColourAndTheInsideIsPainted) {
    ProgramManifestScope manifest;
    ASSERT_TRUE(manifest.active());
    Win32WindowSystem windows{GetModuleHandleW(nullptr)};
    Forms forms{windows};
    ProbeForm form;
    windows.Attach(forms);
    forms.Show(form);
    PumpFor(windows, 100);
    HWND window = reinterpret_cast<HWND>(windows.WindowHandleOf(form));
    HDC dc = GetDC(window);
    int captionPixels = 0;  // "Aktionen" at the frame's top left
    for (int x = 8; x < 80; ++x)
        for (int y = 1000 / 15; y < 1000 / 15 + 14; ++y)
            captionPixels += GetPixel(dc, x, y) == ToColorRef(0xFFFF00);
    // Inside the frame, beside its check box: the window shows through.
    const COLORREF insideFrame = GetPixel(dc, 245, 166);
    ReleaseDC(window, dc);
    EXPECT_GT(captionPixels, 10);
    EXPECT_EQ(insideFrame, ToColorRef(kBack));
}

TEST_F(WindowSystemOnWindows, StateChangesReachTheControls) {
    form.control("Label2").SetCaption("Aktuelle Zeit: 12:00:00");
    EXPECT_EQ(TextOf(Child("Label2")), "Aktuelle Zeit: 12:00:00");
    form.control("Check1(0)").SetValue(1);
    EXPECT_EQ(SendMessageW(Child("Check1(0)"), BM_GETCHECK, 0, 0), BST_CHECKED);
    form.control("shTOn").SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(Child("shTOn")));
    form.control("Text1").SetText("30");
    EXPECT_EQ(TextOf(Child("Text1")), "30");
    EXPECT_EQ(form.events, (std::vector<std::string>{"change Text1 30"})) << "one Change, not two";
}

TEST_F(WindowSystemOnWindows, UserInputReachesTheHandlers) {
    SendMessageW(Child("Check1(0)"), BM_CLICK, 0, 0);
    SendMessageW(Child("shTOn"), WM_MOUSEMOVE, 0, MAKELPARAM(3, 4));
    SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(517, 9));  // a move, whatever its x
    // The notification-area icon: its id in wParam, the mouse message in lParam.
    SendMessageW(window, kTrayCallbackMessage, 1, WM_RBUTTONUP);
    SetWindowTextW(Child("Text1"), L"25");
    EXPECT_EQ(form.events,
              (std::vector<std::string>{"click Check1(0) 1", "move shTOn 3,4", "move form 517,9",
                                        "tray 517", "change Text1 25"}));
    EXPECT_EQ(form.control("Check1(0)").Value(), 1);
    EXPECT_EQ(form.control("Text1").Text(), "25");
}

TEST_F(WindowSystemOnWindows, TimersTickWhileEnabled) {
    form.timer("Timer1").SetEnabled(true);
    PumpFor(windows, 300);
    EXPECT_GE(form.ticks, 2);
    form.timer("Timer1").SetEnabled(false);
    const int stopped = form.ticks;
    PumpFor(windows, 150);
    EXPECT_EQ(form.ticks, stopped);
}

TEST_F(WindowSystemOnWindows, FocusStartsOnTheFirstTabStopAndComesBackToWhereItWas) {
    // Activation as Windows reports it when the window opens and when the user leaves it and
    // comes back (sent here, so that other programs' windows cannot take the activation).
    SetFocus(nullptr);
    SendMessageW(window, WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(GetFocus(), Child("Check1(0)")) << "the first focusable control in the table";
    SetFocus(Child("Text1"));
    SendMessageW(window, WM_ACTIVATE, WA_INACTIVE, 0);
    SetFocus(nullptr);
    SendMessageW(window, WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(GetFocus(), Child("Text1"));
}

TEST_F(WindowSystemOnWindows, CloseWorksOnlyWhileTheWindowHasItsCloseCommand) {
    HMENU menu = GetSystemMenu(window, FALSE);
    DeleteMenu(menu, SC_CLOSE, MF_BYCOMMAND);
    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(form.Loaded());
    GetSystemMenu(window, TRUE);  // restores the Close command
    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(form.Loaded());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(windows.RunMessageLoop(), 0) << "the last window is gone: the program ends";
}

}  // namespace
}  // namespace velkor::win32
