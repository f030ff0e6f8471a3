// The whole program on real (Wine) windows, ticked as the window timers tick it but far faster:
// a hundred thousand display and trigger ticks leave the GDI and USER objects, the kernel
// handles and the memory where they were, and a settings file of values that are no
// numbers runs a thousand ticks without a crash or an action.
//
// Only the clock (so that every tick shows a new time), the power requests, the program start
// and the message boxes are fakes; everything else is the Win32 platform of Velkor.exe.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "app/program.h"
#include "fake_clock.h"
#include "fake_message_boxes.h"
#include "fake_process_launcher.h"
#include "fake_session_control.h"
#include "platform/win32/win32_platform.h"
#include "process_resources.h"
#include "settings/settings_file_format.h"
#include "temp_folder.h"
#include "test_system_folders.h"

namespace velkor::win32 {
namespace {

// Velkor.exe's platform with the fakes above, its settings in a folder of the test's own.
struct ProgramOnWindows {
    explicit ProgramOnWindows(const SettingsRecord& settings) {
        clock.SetLocal(2026, 12, 10, 12, 0, 0);
        const std::string bytes = win32.codec.Utf8ToAnsi(FormatSettingsFile(settings));
        const std::string file = folder.path() + std::string(kSettingsFileName);
        if (!win32.files.ReplaceAtomically(file, bytes).ok())
            ADD_FAILURE() << "no settings file in " << folder.path();
        program = std::make_unique<Program>(services);
        win32.windows.Attach(program->forms);
        program->Start();
        window = reinterpret_cast<HWND>(win32.windows.WindowHandleOf(program->main));
    }
    ~ProgramOnWindows() {
        program->forms.UnloadAll();
        win32.windows.ProcessPendingMessages();
    }

    Main& main() { return program->main; }
    bool WindowAlive() const { return IsWindow(window) && IsWindowVisible(window); }

    // Half a second passes: the display tick and, while they run, the trigger tick and the
    // processor countdown arrive as WM_TIMER, and everything they asked to repaint is painted.
    void Tick() {
        clock.Advance(500);
        Deliver(main().PrgTimer);
        Deliver(main().SDTimer);
        Deliver(main().t2);
        win32.windows.ProcessPendingMessages();
    }
    void Deliver(const FormTimer& timer) {
        if (!timer.Enabled()) return;
        const auto& timers = main().timers();
        for (std::size_t i = 0; i < timers.size(); ++i)
            if (&timers[i] == &timer) SendMessageW(window, WM_TIMER, i + 1, 0);
    }

    fakes::FakeClock clock;
    fakes::CallLog log;  // power requests and program starts
    fakes::FakeMessageBoxes messages;
    TempFolder folder{"velkor-endurance"};
    Win32Platform win32{GetModuleHandleW(nullptr)};
    TestSystemFolders folders{folder.path()};
    fakes::FakeSessionControl session{log};
    fakes::FakeProcessLauncher launcher{log};
    PlatformServices services{.folders = folders,
                              .files = win32.files,
                              .codec = win32.codec,
                              .messages = messages,
                              .windows = win32.windows,
                              .windowApi = win32.windowApi,
                              .tray = win32.tray,
                              .clock = clock,
                              .locale = win32.locale,
                              .memory = win32.memory,
                              .osVersion = win32.osVersion,
                              .processorTimes = win32.processorTimes,
                              .registry = win32.registry,
                              .dialUp = win32.dialUp,
                              .session = session,
                              .launcher = launcher,
                              .openFileDialog = win32.openFileDialog};
    std::unique_ptr<Program> program;
    HWND window = nullptr;
};

// Every trigger on and the timer started with the window, on values that never hold on the
// test's clock (a date long past, a weekday that does not exist, no memory and no load below
// zero): every tick takes every path of the trigger test and none fires.
SettingsRecord EveryTriggerOnNeverHolding() {
    SettingsRecord s = DefaultSettingsRecord();
    s.ActShutdown = "1";
    s.ActRunProgram = "1";
    s.ProgramPath = "C:\\nie.exe";
    s.TrigCpu = s.TrigRam = s.TrigTime = s.TrigDate = s.TrigWeekday = "1";
    s.TimeValue = "12:00:00";
    s.DateValue = "01.01.2004";
    s.WeekdayValue = "Nietag";
    s.CpuPercent = "0";
    s.RamKB = "0";
    s.OptTwoColour = "1";  // the gradient is the costlier background
    s.OptTimerAtStart = "1";
    return s;
}

TEST(Endurance, AHundredThousandTicksLeakNoObjectsHandlesOrMemory) {
    ProgramOnWindows run(EveryTriggerOnNeverHolding());
    ASSERT_TRUE(run.WindowAlive());
    ASSERT_TRUE(run.main().SDTimer.Enabled());

    // The first ticks make what lives as long as the window (brushes, the gradient, caches).
    for (int i = 0; i < 2000; ++i) run.Tick();
    const ProcessResources before = ProcessResources::Measure();
    before.Print("after 2 000 ticks");

    constexpr int kTicks = 100'000;
    for (int i = 0; i < kTicks; ++i) run.Tick();
    const ProcessResources after = ProcessResources::Measure();
    after.Print("after another 100 000");

    EXPECT_LE(after.gdiObjects, before.gdiObjects) << "GDI objects leak";
    EXPECT_LE(after.gdiObjectsSeen, before.gdiObjectsSeen) << "GDI objects leak";
    EXPECT_LE(after.userObjects, before.userObjects) << "USER objects leak";
    EXPECT_LE(after.windowsAndMenusSeen, before.windowsAndMenusSeen) << "USER objects leak";
    EXPECT_LE(after.handles, before.handles) << "kernel handles leak";
    EXPECT_LE(after.handlesSeen, before.handlesSeen) << "kernel handles leak";
    // A leak of a few bytes a tick would show as megabytes; the heaps may settle a little.
    EXPECT_LT(after.privateBytes, before.privateBytes + 512 * 1024) << "memory grows";
    EXPECT_LT(after.heapBytesInUse, before.heapBytesInUse + 16 * 1024) << "memory leaks";

    EXPECT_TRUE(run.WindowAlive());
    EXPECT_TRUE(run.main().SDTimer.Enabled()) << "a trigger fired";
    EXPECT_TRUE(run.log.empty()) << ::testing::PrintToString(run.log);
    EXPECT_TRUE(run.messages.shown.empty());
    // 12:00:00 plus 102 000 half seconds.
    EXPECT_EQ(run.main().AkTime.Caption(), "02:10:00");
}

TEST(BadSettingsFile, ValuesThatAreNoNumbersNeitherCrashNorFire) {
    for (const char* junk : {"", "kein Wert"}) {
        SCOPED_TRACE(std::string("every value \"") + junk + "\"");
        SettingsRecord s = DefaultSettingsRecord();
        s.ActShutdown = s.ActReboot = s.ActLogoff = s.ActStandby = s.ActHangUp = "1";
        s.ActRunProgram = "1";
        s.TrigCpu = s.TrigRam = s.TrigTime = s.TrigDate = s.TrigWeekday = "1";
        for (std::string* value :
             {&s.OptTwoColour, &s.OptTimerAtStart, &s.OptHangUpFirst, &s.TimeValue, &s.DateValue,
              &s.WeekdayValue, &s.CpuPercent, &s.CpuSeconds, &s.RamKB, &s.ProgramPath,
              &s.OptKeepTimerOn, &s.OptStartMinimized})
            *value = junk;
        ProgramOnWindows run(s);
        ASSERT_TRUE(run.WindowAlive());
        run.main().shTOn_Click();  // the start option is no number either: switched on by hand

        for (int i = 0; i < 1000; ++i) run.Tick();

        EXPECT_TRUE(run.WindowAlive());
        EXPECT_EQ(run.main().AkTime.Caption(), "12:08:20") << "the display stopped";
        EXPECT_TRUE(run.main().SDTimer.Enabled()) << "a trigger fired";
        EXPECT_TRUE(run.log.empty()) << ::testing::PrintToString(run.log);
        EXPECT_TRUE(run.messages.shown.empty()) << run.messages.shown[0].text;
    }
}

}  // namespace
}  // namespace velkor::win32
