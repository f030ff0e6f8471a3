// The processor load meter: which family it reads, how readings enter the window, and what a
// reading that cannot be taken does.
#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "fake_os_version.h"
#include "fake_processor_times.h"
#include "fake_registry.h"
#include "monitors/cls_cpu_load.h"

namespace velkor {
namespace {

using fakes::FakeOsVersion;

struct MeterFixture : ::testing::Test {
    FakeOsVersion os;
    fakes::FakeProcessorTimes times;
    fakes::FakeRegistry registry;

    MeterFixture() { os.record = FakeOsVersion::Record(kPlatformNT, 10, 0, 19045, ""); }

    // A meter past its first reading, which only sets the starting point.
    clsCPULoad& PrimedMeter(std::int32_t stackSize) {
        meter_.emplace(os, times, registry);
        meter_->StackSize(stackSize);
        EXPECT_EQ(meter_->Value(), 0);
        return *meter_;
    }

    // One reading after 1000 units of time at the given load in tenths of a percent.
    std::int32_t ValueAt(std::int32_t permille) {
        times.PassAtPermille(static_cast<std::uint64_t>(permille));
        return meter_->Value();
    }

    clsCPULoad& meter() { return *meter_; }

  private:
    std::optional<clsCPULoad> meter_;
};

TEST_F(MeterFixture, AsksForTheVersionOnceWithTheExtendedRecordFirst) {
    clsCPULoad meter(os, times, registry);
    EXPECT_EQ(meter.StackSize(), 5);
    for (int i = 0; i < 3; ++i) meter.Value();
    EXPECT_EQ(os.calls, (std::vector<std::uint32_t>{156}));
    EXPECT_EQ(times.reads, 3);
    EXPECT_TRUE(registry.calls.empty());

    // Without the extended record it falls back to the plain one, still once.
    FakeOsVersion oldNT;
    oldNT.record = FakeOsVersion::Record(kPlatformNT, 4, 0, 1381, "Service Pack 3");
    oldNT.extendedAccepted = false;
    clsCPULoad onOldNT(oldNT, times, registry);
    onOldNT.Value();
    onOldNT.Value();
    EXPECT_EQ(oldNT.calls, (std::vector<std::uint32_t>{156, 148}));
    EXPECT_EQ(times.reads, 5);
}

struct WindowCase {
    const char* name;
    std::int32_t stackSize;
    std::vector<std::int32_t> loadsPermille;  // the load between two readings, 0.1 % units
    std::vector<std::int32_t> values;         // what each read of Value returns
    friend void PrintTo(const WindowCase& c, std::ostream* os) { *os << c.name; }
};

class MeterWindow : public MeterFixture, public ::testing::WithParamInterface<WindowCase> {};

TEST_P(MeterWindow, ReturnsTheRoundedMeanOfTheLastReadings) {
    const WindowCase& c = GetParam();
    PrimedMeter(c.stackSize);
    std::vector<std::int32_t> values;
    for (const std::int32_t load : c.loadsPermille) values.push_back(ValueAt(load));
    EXPECT_EQ(values, c.values);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MeterWindow,
    ::testing::Values(
        WindowCase{"fills_window_of_ten", 10, {100, 200, 300}, {10, 15, 20}},
        WindowCase{"slides_once_full", 3, {0, 0, 900, 900}, {0, 0, 30, 60}},
        WindowCase{"mean_ties_to_even", 2, {20, 30, 40}, {2, 2, 4}},  // 2.5 -> 2, 3.5 -> 4
        WindowCase{"reading_ties_to_even", 1, {125, 135, 126}, {12, 14, 13}},
        // 12.5 enters as 12: the mean of 12 and 13 is 12.5 -> 12 (13 if 12.5 had entered).
        WindowCase{"reading_enters_rounded", 2, {125, 130}, {12, 12}},
        WindowCase{"single_reading_window", 1, {400, 700, 0}, {40, 70, 0}},
        WindowCase{"full_and_no_load", 4, {1000, 1000, 0, 0, 0, 0}, {100, 100, 67, 50, 25, 0}},
        WindowCase{"wraps_around_many_times",
                   2,
                   {100, 200, 300, 400, 500, 600, 700},
                   {10, 15, 25, 35, 45, 55, 65}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MeterFixture, LoadIsTheShareOfNonIdleTimeAndKernelTimeIncludesIdle) {
    clsCPULoad meter(os, times, registry);
    times.totals = {1000, 5000, 7000};
    EXPECT_EQ(meter.Value(), 0);  // the first reading only sets the starting point
    // 300 idle inside 500 kernel, 500 user: 700 of 1000 busy.
    times.totals = {1300, 5500, 7500};
    EXPECT_EQ(meter.Value(), 70);

    // More idle than elapsed time (a system that counts loosely) reads as no load.
    meter.StackSize(1);
    times.totals = {2000, 5600, 7500};
    EXPECT_EQ(meter.Value(), 0);
}

TEST_F(MeterFixture, FailedReadingReturnsZeroAndLeavesTheWindow) {
    PrimedMeter(10);
    EXPECT_EQ(ValueAt(400), 40);
    EXPECT_EQ(ValueAt(600), 50);

    times.failing = true;
    EXPECT_EQ(ValueAt(1000), 0);
    times.failing = false;
    // The window still holds 40 and 60; the next reading spans the time since the last good one
    // (1000 units at 100 % and 1000 at 20 %: 60 %), so the window becomes 40, 60, 60.
    EXPECT_EQ(ValueAt(200), 53);
}

TEST_F(MeterFixture, FailingFromTheStartNeverTouchesTheWindow) {
    times.failing = true;
    clsCPULoad meter(os, times, registry);
    EXPECT_EQ(meter.Value(), 0);
    times.Pass(500, 500);
    EXPECT_EQ(meter.Value(), 0);
    times.failing = false;
    EXPECT_EQ(meter.Value(), 0);  // the first good reading is only the starting point
    times.Pass(300, 700);
    EXPECT_EQ(meter.Value(), 30);
}

TEST_F(MeterFixture, ReadingWithinTheSameClockTickKeepsTheMean) {
    // Both timers of the main window may fire within one clock tick of the system: nothing has
    // been measured in between, which must not read as an idle processor.
    PrimedMeter(10);
    EXPECT_EQ(ValueAt(900), 90);
    EXPECT_EQ(meter().Value(), 90);
    EXPECT_EQ(ValueAt(500), 70);  // window 90, 50: the tick added nothing
}

TEST_F(MeterFixture, StackSizeEmptiesTheWindowAndRejectsSizesBelowOne) {
    clsCPULoad& meter = PrimedMeter(10);
    ValueAt(100);
    ValueAt(300);
    meter.StackSize(3);
    EXPECT_EQ(meter.StackSize(), 3);
    EXPECT_EQ(ValueAt(800), 80);  // only the new reading

    for (const std::int32_t size : {0, -1}) {
        EXPECT_THROW(meter.StackSize(size), std::invalid_argument);
        EXPECT_EQ(meter.StackSize(), 3);
    }
    EXPECT_EQ(ValueAt(400), 60);  // the window was kept: 80, 40
}

// Windows 95/98/Me: the dynamic statistics in the registry.
struct Meter9x : MeterFixture {
    static constexpr auto kRoot = RegistryRoot::DynamicData;
    const std::string kStart = "PerfStats\\StartStat";
    const std::string kData = "PerfStats\\StatData";
    const std::string kValue = "KERNEL\\CPUUsage";

    Meter9x() { os.record = FakeOsVersion::Record(kPlatformWindows9x, 4, 10, 2222, " A "); }
    std::string Read(const std::string& key) { return "ReadNumber HKDD " + key + " " + kValue; }
};

TEST_F(Meter9x, StartsTheStatisticsOnceAndThenReadsTheirData) {
    clsCPULoad meter(os, times, registry);
    meter.StackSize(10);
    // The statistics cannot be opened yet: nothing is counted and the start key is tried again.
    EXPECT_EQ(meter.Value(), 0);
    registry.Set(kRoot, kStart, kValue, 30u);
    registry.Set(kRoot, kData, kValue, 50u);
    EXPECT_EQ(meter.Value(), 30);  // the start key's reading counts
    EXPECT_EQ(meter.Value(), 40);
    EXPECT_EQ(meter.Value(), 43);
    EXPECT_EQ(registry.calls,
              (std::vector<std::string>{Read(kStart), Read(kStart), Read(kData), Read(kData)}));
    EXPECT_EQ(times.reads, 0);

    // Statistics that go away: no reading, window unchanged; a value that cannot be read
    // counts as 0.
    registry.keys.erase({kRoot, kData});
    EXPECT_EQ(meter.Value(), 0);
    registry.keys.insert({kRoot, kData});
    registry.values.erase({kRoot, kData, kValue});
    EXPECT_EQ(meter.Value(), 32);  // 30, 50, 50, 0: 32.5 to even
    registry.Set(kRoot, kData, kValue, std::string("50"));
    EXPECT_EQ(meter.Value(), 26);  // 30, 50, 50, 0, 0
}

}  // namespace
}  // namespace velkor
