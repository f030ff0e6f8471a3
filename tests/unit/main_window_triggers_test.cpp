// The trigger timer and the processor countdown of the main window, driven through the whole
// program with the fake clock, locale, memory and processor times. A firing shows as the
// power-off request of the default action "Windows Herunterfahren".
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>

#include "app/missed_second.h"
#include "app/program.h"
#include "fake_platform.h"

namespace velkor {
namespace {

using SettingsChange = std::function<void(SettingsRecord&)>;

// A started program with the timer switched on. Every trigger is off unless `change` switches
// it on; the clock stands at Thursday, 24 December 2026, 12:00.
struct RunningProgram {
    fakes::FakePlatform platform;
    std::unique_ptr<Program> program;

    explicit RunningProgram(const SettingsChange& change, bool english = false) {
        if (english) platform.locale = fakes::FakeUserLocale::EnglishUs();
        platform.clock.SetLocal(2026, 12, 24, 12, 0, 0);
        platform.WriteSettingsWith([&](SettingsRecord& s) {
            s.TrigTime = "0";
            s.OptTwoColour = "0";
            change(s);
        });
        program = std::make_unique<Program>(platform.services);
        program->Start();
        main().shTOn_Click();
    }

    Main& main() { return program->main; }
    SettingsRecord& settings() { return program->settings; }
    // A trigger tick, as the window timer delivers it while it is enabled.
    void Tick() {
        if (main().SDTimer.Enabled()) main().SDTimer_Timer();
    }
    void TickAt(int year, int month, int day, int hour, int minute, int second, int ms = 0) {
        platform.clock.SetLocal(year, month, day, hour, minute, second, ms);
        Tick();
    }
    // Trigger ticks every 500 ms for `ms` milliseconds, the clock moving with them.
    void TickFor(int ms) {
        for (int passed = 0; passed < ms; passed += 500) {
            platform.clock.Advance(500);
            Tick();
        }
    }
    int Firings() const {
        return static_cast<int>(
            std::count(platform.log.begin(), platform.log.end(), "ExitWindowsEx(8, 0)"));
    }
    // Lets the meter read `percent` on each of its next readings.
    void LoadAt(int percent) {
        main().CpuMeter()->Value();  // the first reading only sets the starting point
        platform.processorTimes.PassAtPermille(static_cast<std::uint64_t>(percent) * 10);
    }
};

TEST(TimerSwitch, OnAndOffFollowTheStateTable) {
    RunningProgram run([](SettingsRecord& s) { s.CpuSeconds = "42"; });
    Main& main = run.main();
    EXPECT_TRUE(main.SDTimer.Enabled());
    EXPECT_FALSE(main.t2.Enabled()) << "the trigger tick starts the countdown when needed";
    EXPECT_EQ(main.Label10.Caption(), "On");
    EXPECT_EQ(main.Label10.ForeColour(), kGreen);
    EXPECT_EQ(run.program->CpuIdleCountdown, "42");

    main.t2.SetEnabled(true);
    run.program->CpuIdleCountdown = "7";
    main.OnMenu("mnuTimerOn");  // in an On state only the countdown starts again
    EXPECT_TRUE(main.t2.Enabled());
    EXPECT_EQ(run.program->CpuIdleCountdown, "42");

    run.program->CpuIdleCountdown = "7";
    main.OnMenu("mnuTimerOff");
    EXPECT_FALSE(main.SDTimer.Enabled());
    EXPECT_FALSE(main.t2.Enabled());
    EXPECT_EQ(main.Label10.Caption(), "Off");
    EXPECT_EQ(main.Label10.ForeColour(), kRed);
    EXPECT_EQ(run.program->CpuIdleCountdown, "7") << "switching off keeps the countdown";

    main.OnClick(main.shTOn);
    EXPECT_TRUE(main.SDTimer.Enabled());
    main.OnClick(main.shTOff);
    EXPECT_FALSE(main.SDTimer.Enabled());
}

TEST(TimeTriggers, TimeDateAndWeekdayMatchExactlyInTheUsersLocale) {
    struct Case {
        const char* what;
        const char* trigTime;
        const char* trigDate;
        const char* trigWeekday;
        const char* value;  // DateValue or WeekdayValue, whichever is on
        int day;            // of December 2026: the 24th is a Thursday
        int hour, minute, second, ms;
        bool fires;
        bool english = false;
    };
    const Case cases[] = {
        {"time alone, first tick of the second", "1", "0", "0", "", 24, 18, 0, 0, 0, true},
        {"time alone, late in the second", "1", "0", "0", "", 24, 18, 0, 0, 999, true},
        {"time alone, a second late", "1", "0", "0", "", 24, 18, 0, 1, 0, false},
        {"time alone, a second early", "1", "0", "0", "", 24, 17, 59, 59, 999, false},
        {"time alone, English locale", "1", "0", "0", "", 24, 18, 0, 0, 0, true, true},
        {"time and date", "1", "1", "0", "24.12.2026", 24, 18, 0, 0, 0, true},
        {"time and date, another day", "1", "1", "0", "24.12.2026", 25, 18, 0, 0, 0, false},
        {"time and date, another time", "1", "1", "0", "24.12.2026", 24, 18, 0, 1, 0, false},
        {"date in another form", "1", "1", "0", "24.12.26", 24, 18, 0, 0, 0, false},
        {"date with other separators", "1", "1", "0", "24-12-2026", 24, 18, 0, 0, 0, false},
        {"time and weekday", "1", "0", "1", "Freitag", 25, 18, 0, 0, 0, true},
        {"time and weekday, another day", "1", "0", "1", "Freitag", 24, 18, 0, 0, 0, false},
        {"weekday in other case", "1", "0", "1", "freitag", 25, 18, 0, 0, 0, false},
        {"date alone, any time of the day", "0", "1", "0", "24.12.2026", 24, 9, 13, 0, 0, true},
        {"date alone, another day", "0", "1", "0", "24.12.2026", 25, 18, 0, 0, 0, false},
        {"date alone, English form", "0", "1", "0", "12/24/2026", 24, 9, 0, 0, 0, true, true},
        {"German date under English", "0", "1", "0", "24.12.2026", 24, 9, 0, 0, 0, false, true},
        {"weekday alone", "0", "0", "1", "Donnerstag", 24, 3, 0, 0, 0, true},
        {"weekday alone, another day", "0", "0", "1", "Donnerstag", 25, 3, 0, 0, 0, false},
        {"weekday alone, English name", "0", "0", "1", "Thursday", 24, 3, 0, 0, 0, true, true},
        {"no trigger on", "0", "0", "0", "", 24, 18, 0, 0, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RunningProgram run(
            [&](SettingsRecord& s) {
                s.TrigTime = c.trigTime;
                s.TrigDate = c.trigDate;
                s.TrigWeekday = c.trigWeekday;
                s.TimeValue = "18:00:00";
                s.DateValue = c.trigDate == std::string("1") ? c.value : "";
                s.WeekdayValue = c.trigWeekday == std::string("1") ? c.value : "";
            },
            c.english);
        run.TickAt(2026, 12, c.day, c.hour, c.minute, c.second, c.ms);
        EXPECT_EQ(run.Firings(), c.fires ? 1 : 0);
        EXPECT_EQ(run.main().SDTimer.Enabled(), !c.fires) << "a firing switches the timer off";
        EXPECT_EQ(run.main().Label10.Caption(), c.fires ? "Off" : "On");
    }
}

TEST(TimeTriggers, KeepTimerOnFiresOnEveryMatchingTick) {
    struct Case {
        const char* keep;
        int firings;
        bool stillOn;
    };
    // A number that is not 0 keeps the timer on; 0 in any spelling, and anything that is not a
    // number, switch it off.
    for (const Case c : {Case{"1", 2, true}, Case{" 2 ", 2, true}, Case{"0", 1, false},
                         Case{"0,0", 1, false}, Case{"ja", 1, false}, Case{"", 1, false}}) {
        SCOPED_TRACE(std::string("OptKeepTimerOn '") + c.keep + "'");
        RunningProgram run([&](SettingsRecord& s) {
            s.TrigTime = "1";
            s.TimeValue = "18:00:00";
            s.OptKeepTimerOn = c.keep;
        });
        run.TickAt(2026, 12, 24, 17, 59, 59, 600);
        run.TickFor(2000);  // ticks at 18:00:00.100 and .600, then two more seconds
        EXPECT_EQ(run.Firings(), c.firings);
        EXPECT_EQ(run.main().SDTimer.Enabled(), c.stillOn);
    }
}

TEST(TimeTriggers, ASecondBetweenTwoTicksStillFires) {
    struct Case {
        const char* what;
        int startDay, startHour, startMinute, startSecond, startMs;
        int stepMs;
        const char* timeValue;
        const char* dateValue;  // empty: time alone
        bool fires;
    };
    const Case cases[] = {
        {"a late timer message", 24, 17, 59, 59, 900, 1200, "18:00:00", "", true},
        {"a busy system, 50 seconds late", 24, 17, 59, 30, 0, 50000, "18:00:00", "", true},
        {"the machine slept past it", 24, 17, 59, 30, 0, 61000, "18:00:00", "", false},
        {"across midnight, on the new date", 24, 23, 59, 59, 800, 1200, "00:00:00", "25.12.2026",
         true},
        {"across midnight, the old date", 24, 23, 59, 59, 800, 1200, "00:00:00", "24.12.2026",
         false},
        {"normal spacing never needs it", 24, 17, 59, 59, 900, 500, "18:00:01", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RunningProgram run([&](SettingsRecord& s) {
            s.TrigTime = "1";
            s.TimeValue = c.timeValue;
            s.TrigDate = *c.dateValue ? "1" : "0";
            s.DateValue = c.dateValue;
        });
        run.TickAt(2026, 12, c.startDay, c.startHour, c.startMinute, c.startSecond, c.startMs);
        run.platform.clock.Advance(static_cast<std::uint64_t>(c.stepMs));
        run.Tick();
        EXPECT_EQ(run.Firings(), c.fires ? 1 : 0);
    }
}

TEST(TimeTriggers, OnlyTicksOfTheSameRunCatchUp) {
    RunningProgram run([](SettingsRecord& s) {
        s.TrigTime = "1";
        s.TimeValue = "18:00:00";
    });
    run.TickAt(2026, 12, 24, 17, 59, 59, 900);
    run.main().shTOff_Click();
    run.main().shTOn_Click();
    run.platform.clock.Advance(1200);
    run.Tick();
    EXPECT_EQ(run.Firings(), 0) << "18:00:00 passed before this run began";

    // The clock set back across the second: no tick missed it.
    run.TickAt(2026, 12, 24, 18, 0, 5);
    run.TickAt(2026, 12, 24, 17, 59, 58);
    EXPECT_EQ(run.Firings(), 0);
}

TEST(MissedTargetSecond, OnlyASecondStrictlyBetweenTwoCloseTicks) {
    const auto at = [](int hour, int minute, int second, int ms, std::uint64_t tick) {
        TickMoment moment;
        moment.local = {2026, 12, 24, Weekday::Thursday, hour, minute, second, ms};
        moment.tickCountMs = tick;
        return moment;
    };
    struct Case {
        TickMoment previous, now;
        const char* timeValue;
        bool missed;
    };
    const Case cases[] = {
        {at(17, 59, 59, 999, 0), at(18, 0, 1, 0, 1001), "18:00:00", true},
        {at(18, 0, 0, 0, 0), at(18, 0, 1, 500, 1500), "18:00:00", false},    // a tick saw it
        {at(17, 59, 59, 0, 0), at(18, 0, 0, 500, 1500), "18:00:00", false},  // this tick sees it
        {at(17, 59, 0, 1, 0), at(18, 0, 0, 0, 59999), "17:59:30", true},
        {at(17, 59, 0, 0, 0), at(18, 0, 0, 0, 60000), "17:59:30", false},    // a minute apart
        {at(17, 59, 0, 0, 0), at(17, 59, 40, 0, 60000), "17:59:30", false},  // monotonic: slept
        {at(17, 59, 0, 0, 0), at(18, 1, 0, 0, 500), "18:00:00", false},      // the clock was set
        {at(17, 59, 59, 999, 0), at(18, 0, 1, 0, 1001), "18:0:00", false},
        {at(17, 59, 59, 999, 0), at(18, 0, 1, 0, 1001), " 18:00:00", false},
        {at(23, 59, 59, 0, 0), at(23, 59, 59, 0, 0), "24:00:00", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.timeValue);
        EXPECT_EQ(MissedTargetSecond(c.previous, c.now, c.timeValue), c.missed);
    }
}

TEST(FreeMemoryTrigger, ComparesKilobytesAsNumbers) {
    struct Case {
        const char* freeRamBytes;
        const char* ramKb;
        bool fires;
    };
    const Case cases[] = {
        {"4095000", "4000", true},   // 3999.0234375 KB
        {"4096000", "4000", false},  // exactly 4000 KB
        {"1048576000", "4000", false},
        {"1000000", "4000", true},       // 976.5625 KB
        {"1000000", "976,5625", false},  // not strictly below
        {"1000000", "976,6", true},      // the German decimal separator
        {"1000000", "976.6", false},     // not a number under German
        {"", "4000", false},             // not measured yet
        {"1000000", "viel", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.freeRamBytes) + " bytes, RamKB " + c.ramKb);
        RunningProgram run([&](SettingsRecord& s) {
            s.TrigRam = "1";
            s.RamKB = c.ramKb;
        });
        run.program->FreeRamBytes = c.freeRamBytes;
        run.Tick();
        EXPECT_EQ(run.Firings(), c.fires ? 1 : 0);
    }
}

TEST(FreeMemoryTrigger, UsesTheDisplayTicksMeasurementAndBeatsTheTimeTrigger) {
    RunningProgram run([](SettingsRecord& s) {
        s.TrigRam = "1";
        s.RamKB = "4000";
        s.TrigTime = "1";
        s.TimeValue = "12:00:00";
        s.OptKeepTimerOn = "1";
    });
    run.platform.memory.availableBytes = 4095000;
    run.main().PrgTimer_Timer();
    run.Tick();
    EXPECT_EQ(run.Firings(), 1) << "one firing per tick, though both conditions hold";
}

TEST(ProcessorTrigger, TheTickStartsAndStopsTheCountdownAgainstTheThreshold) {
    RunningProgram run([](SettingsRecord& s) {
        s.TrigCpu = "1";
        s.CpuPercent = "50";
        s.CpuSeconds = "100";
    });
    Main& main = run.main();
    std::string& countdown = run.program->CpuIdleCountdown;
    run.LoadAt(20);
    run.Tick();
    EXPECT_TRUE(main.t2.Enabled()) << "load below the threshold";
    for (int i = 0; i < 3; ++i) main.t2_Timer();
    EXPECT_EQ(countdown, "97");

    run.settings().CpuPercent = "20";  // every tick reads the settings afresh
    run.LoadAt(20);
    run.Tick();
    EXPECT_TRUE(main.t2.Enabled()) << "load equal to the threshold changes nothing";
    EXPECT_EQ(countdown, "97");

    run.settings().CpuPercent = "kaum";  // no number: no processor test in this tick
    run.LoadAt(90);
    run.Tick();
    EXPECT_TRUE(main.t2.Enabled());
    EXPECT_EQ(countdown, "97");

    run.settings().CpuPercent = "10";
    run.LoadAt(90);
    run.Tick();
    EXPECT_FALSE(main.t2.Enabled()) << "load above the threshold";
    EXPECT_EQ(countdown, "100");
    EXPECT_EQ(run.Firings(), 0);
}

TEST(ProcessorTrigger, CountsOnlyBelowAThresholdReadInTheUsersLocale) {
    struct Case {
        bool english;
        const char* cpuPercent;
        const char* trigCpu;
        bool counting;
    };
    for (const Case c : {Case{false, "20,5", "1", true}, Case{true, "20,5", "1", false},
                         Case{true, "20.5", "1", true}, Case{false, "20.5", "1", false},
                         Case{false, "20", "1", false}, Case{false, "90", "0", false}}) {
        SCOPED_TRACE(std::string(c.cpuPercent) + (c.english ? " English" : " German"));
        RunningProgram run(
            [&](SettingsRecord& s) {
                s.TrigCpu = c.trigCpu;
                s.CpuPercent = c.cpuPercent;
            },
            c.english);
        run.LoadAt(20);
        run.Tick();
        EXPECT_EQ(run.main().t2.Enabled(), c.counting);
        EXPECT_EQ(run.program->CpuIdleCountdown, "100");
    }
}

TEST(ProcessorCountdown, FiresAtExactlyZeroAndStartsAgain) {
    for (const char* keep : {"0", "1"}) {
        SCOPED_TRACE(std::string("OptKeepTimerOn ") + keep);
        RunningProgram run([&](SettingsRecord& s) {
            s.TrigCpu = "1";
            s.CpuSeconds = "3";
            s.OptKeepTimerOn = keep;
        });
        Main& main = run.main();
        main.t2.SetEnabled(true);
        main.t2_Timer();
        main.t2_Timer();
        EXPECT_EQ(run.program->CpuIdleCountdown, "1");
        EXPECT_EQ(run.Firings(), 0);
        main.t2_Timer();
        EXPECT_EQ(run.Firings(), 1);
        EXPECT_EQ(run.program->CpuIdleCountdown, "3");
        const bool kept = std::string(keep) == "1";
        EXPECT_EQ(main.SDTimer.Enabled(), kept);
        EXPECT_EQ(main.t2.Enabled(), kept) << "kept on, a new count starts at once";
        if (kept) {
            for (int i = 0; i < 3; ++i) main.t2_Timer();
            EXPECT_EQ(run.Firings(), 2);
        }
    }
}

TEST(ProcessorCountdown, CountsPastZeroAndRecoversFromTextThatIsNoNumber) {
    RunningProgram run([](SettingsRecord& s) {
        s.TrigCpu = "1";
        s.CpuSeconds = "0";
    });
    Main& main = run.main();
    std::string& countdown = run.program->CpuIdleCountdown;
    main.t2.SetEnabled(true);
    main.t2_Timer();
    EXPECT_EQ(countdown, "-1");
    main.t2_Timer();
    EXPECT_EQ(countdown, "-2") << "zero is never reached from below";

    run.settings().CpuSeconds = "5";
    countdown = "bald";
    main.t2_Timer();
    EXPECT_EQ(countdown, "5") << "a countdown that is no number starts again";
    main.t2_Timer();
    EXPECT_EQ(countdown, "4");

    run.settings().CpuSeconds = "nie";
    countdown = "bald";
    main.t2_Timer();
    EXPECT_EQ(countdown, "bald") << "nothing to start from: left alone, and it never fires";
    EXPECT_EQ(run.Firings(), 0);
}

TEST(Firing, AFailedProgramStartIsShownOnceAfterTheTick) {
    RunningProgram run([](SettingsRecord& s) {
        s.ActShutdown = "0";
        s.ActRunProgram = "1";
        s.ProgramPath = "C:\\fehlt.exe";
        s.TrigDate = "1";
        s.DateValue = "24.12.2026";
    });
    run.platform.launcher.startSucceeds = false;
    run.Tick();
    EXPECT_EQ(run.main().Label10.Caption(), "Off") << "the tick ends as usual";
    EXPECT_TRUE(run.platform.messages.shown.empty()) << "no modal box inside the tick";
    run.platform.windows.DeliverDeferredEvents();
    ASSERT_EQ(run.platform.messages.shown.size(), 1u);
    EXPECT_NE(run.platform.messages.shown[0].text.find("C:\\fehlt.exe"), std::string::npos);
}

}  // namespace
}  // namespace velkor
