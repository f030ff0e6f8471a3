// What the main window asks of Windows directly, on real (Wine) windows: the tray icon, the
// removed Close command and the taskbar button.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/programm_module.h"
#include "platform/win32/forms/win32_window_system.h"
#include "platform/win32/win32_notification_area.h"
#include "platform/win32/win32_window_api.h"
#include "ui/forms/forms.h"

namespace velkor::win32 {
namespace {

constexpr FormDesign kDesign = {.name = "Main", .caption = "Velkor Plattformtest", .minButton = true,
                            .clientWidthTwips = 7140, .clientHeightTwips = 3240};

struct MainWindowPlatform : ::testing::Test {
    Win32WindowSystem windows{GetModuleHandleW(nullptr)};
    Forms forms{windows};
    Form form{kDesign, {}};
    Win32WindowApi api;
    HWND window = nullptr;

    void SetUp() override {
        windows.Attach(forms);
        forms.Show(form);
        window = reinterpret_cast<HWND>(windows.WindowHandleOf(form));
        ASSERT_TRUE(IsWindowVisible(window));
    }
    LONG ExStyle() const { return GetWindowLongW(window, GWL_EXSTYLE); }
};

TEST_F(MainWindowPlatform, TrayIconIsAddedAndDeleted) {
    Win32NotificationArea tray;
    TrayIconRecord record;
    record.hWnd = reinterpret_cast<std::uintptr_t>(window);
    record.uID = 1;
    record.uFlags = kNifMessage | kNifIcon | kNifTip;
    record.uCallbackMessage = WM_MOUSEMOVE;
    record.hIcon = api.ProgramIcon();
    record.szTip = std::string("Velkor") + '\0' + std::string(57, ' ');
    ASSERT_NE(record.hIcon, 0u);
    EXPECT_TRUE(tray.NotifyIcon(kNimAdd, record));
    EXPECT_TRUE(tray.NotifyIcon(kNimDelete, record));
    EXPECT_FALSE(tray.NotifyIcon(kNimDelete, record)) << "it is gone";
}

TEST_F(MainWindowPlatform, WithoutItsCloseCommandTheWindowCannotBeClosed) {
    DisableCloseButton(api, reinterpret_cast<WindowHandle>(window));
    EXPECT_EQ(GetMenuState(GetSystemMenu(window, FALSE), SC_CLOSE, MF_BYCOMMAND),
              static_cast<UINT>(-1));
    SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);  // what Alt+F4 and the close box send
    EXPECT_TRUE(IsWindow(window));
    EXPECT_TRUE(form.Loaded());
}

TEST_F(MainWindowPlatform, TaskbarButtonComesAndGoesWithTheWindowStaying) {
    ASSERT_TRUE(ExStyle() & WS_EX_APPWINDOW);
    ShowTaskbarButton(api, reinterpret_cast<WindowHandle>(window), 0);
    EXPECT_FALSE(ExStyle() & WS_EX_APPWINDOW);
    EXPECT_TRUE(IsWindowVisible(window));
    forms.SetWindowState(form, WindowState::Minimized);
    ShowTaskbarButton(api, reinterpret_cast<WindowHandle>(window), -1);
    EXPECT_TRUE(ExStyle() & WS_EX_APPWINDOW);
    EXPECT_TRUE(IsIconic(window)) << "a minimised window stays minimised";
}

}  // namespace
}  // namespace velkor::win32
