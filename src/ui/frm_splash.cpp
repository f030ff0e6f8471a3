#include "ui/frm_splash.h"

#include "version.h"

namespace velkor {
namespace {

constexpr Colour kBack = 0xDAB678;       // the gradient's bottom colour
constexpr Colour kFrameBack = 0xF0CBAA;  // red 170, green 203, blue 240
constexpr FontDesign Arial(double points, bool bold = true) { return {"Arial", points, bold}; }

constexpr ControlDesign Text(std::string_view name, std::string_view caption, TwipsRect rect,
                           FontDesign font) {
    return {.name = name, .caption = caption, .rect = rect, .backColour = kFrameBack, .font = font};
}

constexpr ControlDesign kControls[] = {
    {.name = "Frame1", .kind = ControlKind::Frame, .rect = {0, -80, 7080, 4050},
     .backColour = kFrameBack},
    Text("lblCompanyProduct", "Velkor Werkzeuge", {600, 240, 3795, 435}, Arial(18)),
    Text("lblProductName", VELKOR_PRODUCT_NAME, {120, 720, 4755, 765}, Arial(32.25)),
    Text("lblPlatform", "Version " VELKOR_VERSION_TEXT, {4995, 2160, 1860, 360}, Arial(15.75)),
    Text("Label2", "V. 311.0100", {5040, 2520, 1935, 255}, Arial(8.25)),
    Text("Label1", "Programm-Kernel. 2.5", {5040, 2760, 1935, 255}, Arial(8.25)),
    Text("lblCopyright", "\xC2\xA9 2026 Velkor-Team", {5040, 3420, 1935, 255}, Arial(8.25, false)),
    Text("lblCompany", "Entwickelt vom Velkor-Team", {5040, 3630, 1935, 255}, Arial(8.25, false)),
    Text("lblWarning", "www.velkor.invalid", {150, 3660, 4800, 195}, Arial(8.25, false)),
    {.name = "Image1", .kind = ControlKind::Image, .rect = {360, 2160, 480, 480}},
    {.name = "OK", .kind = ControlKind::Button, .caption = "OK", .rect = {5760, 600, 975, 495},
     .font = FontDesign{"MS Sans Serif", 8.25, true}, .visible = false},
};

constexpr TimerDesign kTimers[] = {{.name = "Timer1", .intervalMs = 2000, .enabled = true}};

constexpr FormDesign kSplashDesign = {
    .name = "frmSplash",
    .caption = "",
    .border = BorderStyle::NoCaption,
    .controlBox = false,
    .clientWidthTwips = 7065,
    .clientHeightTwips = 3975,
    .backColour = kBack,
    .font = {"MS Sans Serif", 8.25, true},
    .startPosition = StartPosition::CenterScreen,
    .showInTaskbar = false,
};

}  // namespace

frmSplash::frmSplash(Forms& forms, Form& mainWindow)
    : Form(kSplashDesign, kControls, kTimers),
      OK(control("OK")),
      Timer1(timer("Timer1")),
      forms_(forms),
      mainWindow_(mainWindow) {}

void frmSplash::OpenInfo() {
    forms_.Load(*this);
    OK.SetVisible(true);
    Timer1.SetEnabled(false);
    forms_.Show(*this);
}

void frmSplash::OK_Click() { forms_.Unload(*this); }

void frmSplash::Timer1_Timer() {
    forms_.Hide(*this);
    forms_.Show(mainWindow_);
    forms_.Unload(*this);
}

void frmSplash::OnClick(Control& control) {
    if (&control == &OK) OK_Click();
}

void frmSplash::OnTimer(FormTimer& timer) {
    if (&timer == &Timer1) Timer1_Timer();
}

}  // namespace velkor
