// The main window's command panel, tray menu, hover highlight and minimising to the tray,
// driven through the whole program with the fake platform.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "app/program.h"
#include "fake_platform.h"

namespace velkor {
namespace {

constexpr std::uint32_t kDoubleClick = 515;  // WM_LBUTTONDBLCLK
constexpr std::uint32_t kRightUp = 517;      // WM_RBUTTONUP

struct MainCommands : ::testing::Test {
    fakes::FakePlatform platform;
    std::unique_ptr<Program> program;

    void SetUp() override {
        platform.WriteSettingsWith([](SettingsRecord& s) {
            s.TrigTime = "0";
            s.OptHangUpFirst = "0";
        });
        program = std::make_unique<Program>(platform.services);
        program->Start();
    }
    Main& main() { return program->main; }
    std::vector<std::string>& calls() { return platform.windows.calls; }
    int Count(const std::string& call) {
        return static_cast<int>(std::count(calls().begin(), calls().end(), call));
    }
    std::vector<std::string> RedLabels() {
        std::vector<std::string> red;
        for (Control& control : main().controls())
            if (control.design().container == "Picture2" && control.kind() == ControlKind::Label &&
                control.ForeColour() == kRed)
                red.emplace_back(control.name());
        return red;
    }
    std::string TaskbarStyleCall(int style) {
        return "SetWindowLong(" + std::to_string(platform.windows.WindowHandleOf(main())) + ", " +
               std::to_string(style) + ")";
    }
};

TEST_F(MainCommands, PowerCommandsOfPanelAndMenuActAtOnce) {
    struct Case {
        const char* label;
        const char* menuItem;
        const char* request;
    };
    for (const Case c : {Case{"Label12", "mnuShutdown", "ExitWindowsEx(8, 0)"},
                         Case{"Label13", "mnuReboot", "ExitWindowsEx(2, 0)"},
                         Case{"Label14", "mnuStandbye", "SetSuspendState(1, 0, 0)"},
                         Case{"Label15", "mnuLogoff", "ExitWindowsEx(0, 0)"}}) {
        SCOPED_TRACE(c.label);
        platform.log.clear();
        main().OnClick(main().control(c.label));
        ASSERT_FALSE(platform.log.empty());
        EXPECT_EQ(platform.log.back(), c.request);
        platform.log.clear();
        main().OnMenu(c.menuItem);
        ASSERT_FALSE(platform.log.empty());
        EXPECT_EQ(platform.log.back(), c.request);
    }
    EXPECT_TRUE(platform.messages.shown.empty()) << "no confirmation";
}

TEST_F(MainCommands, TrayMenuOpensOnRightButtonReleaseOnly) {
    for (const std::uint32_t code : {512u, 513u, 514u, 516u, kDoubleClick})
        main().OnTrayEvent(code);
    EXPECT_EQ(Count("popup mnuFile"), 0);

    platform.windows.nextMenuChoice = "mnuTimerOn";
    main().OnTrayEvent(kRightUp);
    EXPECT_EQ(Count("popup mnuFile"), 1);
    EXPECT_TRUE(main().SDTimer.Enabled());
    EXPECT_EQ(main().Label10.Caption(), "On");

    platform.windows.nextMenuChoice = "mnuInfo";
    main().OnTrayEvent(kRightUp);
    EXPECT_TRUE(program->splash.Visible());
    EXPECT_TRUE(program->splash.OK.Visible());
}

TEST_F(MainCommands, AMouseMoveOverTheWindowIsNeverATrayEvent) {
    main().OnMouseMove(nullptr, 517, 10);  // at 144 dpi the window is 714 pixels wide
    main().OnMouseMove(nullptr, 515, 10);
    EXPECT_EQ(Count("popup mnuFile"), 0);
    EXPECT_EQ(Count("restore Main"), 0);
}

TEST_F(MainCommands, MinimiseToTrayAndRestoreEachOnlyFromTheOtherState) {
    main().OnMenu("mnuMaxme");
    main().OnTrayEvent(kDoubleClick);
    EXPECT_EQ(Count("restore Main"), 0) << "already normal: nothing happens";

    main().OnMenu("mnuMinme");
    EXPECT_EQ(main().State(), WindowState::Minimized);
    EXPECT_EQ(Count("minimise Main"), 1);
    EXPECT_EQ(platform.windowApi.calls.back(), "LockWindowUpdate(0)");
    EXPECT_NE(std::find(platform.windowApi.calls.begin(), platform.windowApi.calls.end(),
                        TaskbarStyleCall(0)),
              platform.windowApi.calls.end())
        << "no taskbar button";
    main().OnMenu("mnuMinme");
    EXPECT_EQ(Count("minimise Main"), 1) << "already minimised: nothing happens";

    main().OnTrayEvent(kDoubleClick);
    EXPECT_EQ(main().State(), WindowState::Normal);
    EXPECT_EQ(Count("restore Main"), 1);
    EXPECT_EQ(platform.windowApi.calls.end()[-3], TaskbarStyleCall(kWsExAppWindow));

    main().OnMenu("mnuMinme");
    main().OnMenu("mnuMaxme");
    EXPECT_EQ(main().State(), WindowState::Normal);
    EXPECT_EQ(Count("restore Main"), 2);
}

TEST_F(MainCommands, ExactlyTheHoveredCommandLabelIsRed) {
    EXPECT_TRUE(RedLabels().empty());
    main().OnMouseMove(&main().Label13, 3, 3);
    EXPECT_EQ(RedLabels(), std::vector<std::string>{"Label13"});
    main().OnMouseMove(&main().Label14, 3, 0);  // straight onto the label below
    EXPECT_EQ(RedLabels(), std::vector<std::string>{"Label14"});
    main().OnMouseMove(&main().Picture2, 3, 100);
    EXPECT_TRUE(RedLabels().empty()) << "the panel background";

    main().OnMouseMove(&main().shTOn, 3, 3);
    main().OnMouseMove(nullptr, 40, 40);
    EXPECT_TRUE(RedLabels().empty()) << "the window's own surface";

    main().OnMouseMove(&main().Label16, 3, 3);
    main().OnTrayEvent(kDoubleClick);
    EXPECT_TRUE(RedLabels().empty()) << "a tray event resets the colours too";

    main().OnMouseMove(&main().Label12, 3, 3);
    main().OnMouseMove(&main().AkTime, 3, 3);  // not a command label
    EXPECT_EQ(RedLabels(), std::vector<std::string>{"Label12"});
}

TEST_F(MainCommands, PanelExitUnloadsAndLetsTheProgramEnd) {
    program->splash.OpenInfo();
    main().OnClick(main().Label16);
    EXPECT_TRUE(platform.tray.icons.empty());
    EXPECT_EQ(platform.tray.requests[1].first, kNimDelete) << "the icon goes first";
    EXPECT_FALSE(program->forms.AnyLoaded());
    EXPECT_EQ(Count("end process"), 0);
}

TEST_F(MainCommands, TrayMenuExitAlsoEndsTheProcessAtOnce) {
    program->splash.OpenInfo();
    platform.windows.nextMenuChoice = "mnuPrgend";
    main().OnTrayEvent(kRightUp);
    EXPECT_TRUE(platform.tray.icons.empty());
    EXPECT_FALSE(program->forms.AnyLoaded());
    ASSERT_FALSE(calls().empty());
    EXPECT_EQ(calls().back(), "end process") << "after the windows are gone";
}

}  // namespace
}  // namespace velkor
