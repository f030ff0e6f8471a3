// The main window's start-up, status display and unload, driven through the whole program
// with the fake platform.
#include <gtest/gtest.h>

#include "app/program.h"
#include "fake_platform.h"

namespace velkor {
namespace {

struct MainWindowFixture : ::testing::Test {
    fakes::FakePlatform platform;
    std::unique_ptr<Program> program;

    void Start() {
        program = std::make_unique<Program>(platform.services);
        program->Start();
    }
    Main& main() { return program->main; }
};

TEST_F(MainWindowFixture, StartsWithTrayIconShownWindowAndNoCloseCommand) {
    platform.WriteSettings(DefaultSettingsRecord());
    Start();

    EXPECT_TRUE(main().Loaded());
    EXPECT_TRUE(main().Visible());
    ASSERT_EQ(platform.tray.requests.size(), 1u);
    const TrayIconRecord& icon = platform.tray.requests[0].second;
    EXPECT_EQ(platform.tray.requests[0].first, kNimAdd);
    EXPECT_EQ(icon.cbSize, 88u);
    EXPECT_EQ(icon.uID, 1u);
    EXPECT_EQ(icon.uFlags, 7u);
    EXPECT_EQ(icon.uCallbackMessage, 0x8002u) << "WM_APP + 2, never a mouse move";
    EXPECT_EQ(icon.hWnd, platform.windows.WindowHandleOf(main()));
    EXPECT_EQ(icon.szTip, std::string("Velkor") + '\0' + std::string(57, ' '));
    const std::string handle = std::to_string(icon.hWnd);
    EXPECT_EQ(platform.windowApi.calls,
              (std::vector<std::string>{"GetSystemMenu(" + handle + ", 0)",
                                        "DeleteMenu(" + std::to_string(0x500 + icon.hWnd) + ", 61536, 0)",
                                        "DrawMenuBar(" + handle + ")"}));
    EXPECT_EQ(program->CpuIdleCountdown, "100");
    EXPECT_EQ(main().Label10.Caption(), "Off");
    EXPECT_EQ(main().akw.Caption(), "Donnerstag") << "1 January 2004 was a Thursday";
    ASSERT_NE(main().CpuMeter(), nullptr);
    EXPECT_EQ(main().CpuMeter()->StackSize(), 10);
}

TEST_F(MainWindowFixture, SettingsDecideGradientTimerAndMinimisedStart) {
    struct Case {
        const char* twoColour;
        const char* timerAtStart;
        const char* startMinimized;
    };
    for (const Case c : {Case{"1", "0", "0"}, Case{"0", "1", "0"}, Case{"0", "0", "1"}}) {
        SCOPED_TRACE(std::string(c.twoColour) + c.timerAtStart + c.startMinimized);
        fakes::FakePlatform fresh;
        fresh.WriteSettingsWith([&](SettingsRecord& s) {
            s.OptTwoColour = c.twoColour;
            s.OptTimerAtStart = c.timerAtStart;
            s.OptStartMinimized = c.startMinimized;
        });
        Program p(fresh.services);
        p.Start();
        const bool painted = !fresh.windows.surfaces.empty();
        EXPECT_EQ(painted, std::string(c.twoColour) == "1");
        if (painted) {
            EXPECT_EQ(fresh.windows.surfaces.size(), 2u) << "the window and its panel";
            for (auto& [key, surface] : fresh.windows.surfaces) {
                ASSERT_FALSE(surface.lines.empty());
                EXPECT_EQ(surface.lines.front().colour, 0xC00000u);
                EXPECT_EQ(surface.lines.back().colour, 0xDAB678u);
            }
        }
        EXPECT_EQ(p.main.SDTimer.Enabled(), std::string(c.timerAtStart) == "1");
        EXPECT_EQ(p.main.Label10.Caption(), std::string(c.timerAtStart) == "1" ? "On" : "Off");
        EXPECT_EQ(p.main.Label10.ForeColour(), std::string(c.timerAtStart) == "1" ? kGreen : kRed);
        const bool minimised = std::string(c.startMinimized) == "1";
        EXPECT_EQ(p.main.State(), minimised ? WindowState::Minimized : WindowState::Normal);
        const auto window = fresh.windows.WindowHandleOf(p.main);
        EXPECT_EQ(fresh.windowApi.exStyles[window] & kWsExAppWindow, 0);
        EXPECT_EQ(std::count(fresh.windowApi.calls.begin(), fresh.windowApi.calls.end(),
                             "SetWindowLong(" + std::to_string(window) + ", 0)"),
                  minimised ? 1 : 0);
    }
}

TEST_F(MainWindowFixture, FirstStartWritesTheDefaultsAndRunsWithThem) {
    Start();
    program->loade.Timer1_Timer();  // the first-start window's sequence
    EXPECT_EQ(platform.files.files[fakes::FakePlatform::kSettingsFile].size(), 144u);
    EXPECT_EQ(program->settings, DefaultSettingsRecord());
    EXPECT_TRUE(main().Loaded());
}

TEST_F(MainWindowFixture, StatusTickUnderGermanAndEnglishLocales) {
    struct Case {
        bool german;
        std::uint64_t freeBytes;
        const char* freeRam;
        const char* date;
        const char* time;
    };
    for (const Case c : {Case{true, 1000000, "976,5625 KB.", "24.12.2026", "18:00:05"},
                         Case{false, 1048576000, "1024000 KB.", "12/24/2026", "6:00:05 PM"}}) {
        fakes::FakePlatform fresh;
        if (!c.german) fresh.locale = fakes::FakeUserLocale::EnglishUs();
        fresh.WriteSettings(DefaultSettingsRecord());
        fresh.clock.SetLocal(2026, 12, 24, 18, 0, 5);
        fresh.memory.availableBytes = c.freeBytes;
        Program p(fresh.services);
        p.Start();
        p.main.PrgTimer_Timer();
        EXPECT_EQ(p.FreeRamBytes, std::to_string(c.freeBytes));
        EXPECT_EQ(p.main.FreeRam.Caption(), c.freeRam);
        EXPECT_EQ(p.main.AkDate.Caption(), c.date);
        EXPECT_EQ(p.main.AkTime.Caption(), c.time);
        EXPECT_EQ(p.main.AkInetStatus.Caption(), "Offline");
        EXPECT_EQ(p.main.AkInetStatus.ForeColour(), kRed);
        EXPECT_EQ(p.main.Cpuaus.Caption(), "0 %  100 Zeit");
    }
}

TEST_F(MainWindowFixture, AFailingStepIsSkippedAndTheOthersStillRun) {
    platform.WriteSettings(DefaultSettingsRecord());
    Start();
    platform.memory.availableBytes.reset();
    platform.locale.fails = true;
    program->InternetStatusText.clear();
    main().PrgTimer_Timer();
    EXPECT_EQ(main().FreeRam.Caption(), "0 KB.") << "never measured: the load-time text stays";
    EXPECT_EQ(main().AkDate.Caption(), "00-00-00");
    EXPECT_EQ(main().AkInetStatus.Caption(), "Offline");
    EXPECT_EQ(main().Cpuaus.Caption(), "0 %  100 Zeit");
}

TEST_F(MainWindowFixture, AnEmptyStatusShowsAsAnEmptyGreenLabel) {
    platform.WriteSettings(DefaultSettingsRecord());
    Start();
    platform.dialUp.connectionReported = true;  // reported, but the first handle is in the "keep" range
    platform.dialUp.connections = {static_cast<ConnectionHandle>(-5)};
    main().PrgTimer_Timer();
    EXPECT_EQ(main().AkInetStatus.Caption(), "");
    EXPECT_EQ(main().AkInetStatus.ForeColour(), kGreen);
}

TEST_F(MainWindowFixture, UnloadRemovesTheTrayIconAndEndsTheProgram) {
    platform.WriteSettings(DefaultSettingsRecord());
    Start();
    program->splash.OpenInfo();
    program->forms.Unload(main());
    EXPECT_EQ(platform.tray.requests.back().first, kNimDelete);
    EXPECT_TRUE(platform.tray.icons.empty());
    EXPECT_FALSE(program->splash.Loaded());
    EXPECT_FALSE(program->forms.AnyLoaded());
}

TEST_F(MainWindowFixture, InfoWindowOpensOnceInInfoStateAndOnlyOkClosesIt) {
    platform.WriteSettings(DefaultSettingsRecord());
    Start();
    main().OnClick(main().Label11);
    main().OnClick(main().Label11);
    EXPECT_TRUE(program->splash.Loaded());
    EXPECT_TRUE(program->splash.OK.Visible());
    EXPECT_FALSE(program->splash.Timer1.Enabled()) << "it never closes by itself";
    EXPECT_EQ(std::count(platform.windows.calls.begin(), platform.windows.calls.end(),
                         "create frmSplash"),
              1);
    program->splash.OnClick(program->splash.OK);
    EXPECT_FALSE(program->splash.Loaded());
    EXPECT_TRUE(main().Loaded());
}

TEST_F(MainWindowFixture, TaskbarRestartAddsTheIconAgain) {
    platform.WriteSettings(DefaultSettingsRecord());
    Start();
    platform.tray.icons.clear();  // Explorer restarted with an empty notification area
    main().OnTaskbarCreated();
    EXPECT_EQ(platform.tray.icons.size(), 1u);
}

}  // namespace
}  // namespace velkor
