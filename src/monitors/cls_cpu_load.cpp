#include "monitors/cls_cpu_load.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <string_view>

namespace velkor {

namespace {
constexpr std::string_view kStatisticsStartKey = "PerfStats\\StartStat";
constexpr std::string_view kStatisticsDataKey = "PerfStats\\StatData";
constexpr std::string_view kCpuUsageValue = "KERNEL\\CPUUsage";

// Rounds to the nearest integer, ties to even (the default rounding mode).
std::int32_t RoundToEven(double value) { return static_cast<std::int32_t>(std::nearbyint(value)); }
}  // namespace

clsCPULoad::clsCPULoad(OsVersion& os, ProcessorTimes& times, Registry& registry)
    : os_(os), times_(times), registry_(registry), samples_(kInitialStackSize, 0) {
    RunsOnNT();
}

std::int32_t clsCPULoad::Value() { return RunsOnNT() ? ReadLoadNT() : ReadLoad9x(); }

void clsCPULoad::StackSize(std::int32_t NewStackSize) {
    if (NewStackSize < 1)
        throw std::invalid_argument("clsCPULoad: StackSize must be at least 1, not " +
                                    std::to_string(NewStackSize));
    std::vector<std::int32_t> samples(static_cast<std::size_t>(NewStackSize), 0);
    samples_.swap(samples);
    stackSize_ = NewStackSize;
    oldest_ = 0;
    sampleCount_ = 0;
    sampleSum_ = 0;
}

// The share of the time since the previous reading that the processors were not idle.
std::int32_t clsCPULoad::ReadLoadNT() {
    const std::optional<ProcessorTimesRecord> now = times_.Read();
    if (!now) return 0;
    if (!previousTimes_) {
        // Nothing to compare with yet: this reading only sets the starting point.
        previousTimes_ = now;
        return 0;
    }
    const ProcessorTimesRecord& before = *previousTimes_;
    if (now->idle < before.idle || now->kernel < before.kernel || now->user < before.user) {
        // The totals went backwards; measure from here on.
        previousTimes_ = now;
        return average_;
    }
    // Kernel time already includes idle time.
    const std::uint64_t total = (now->kernel - before.kernel) + (now->user - before.user);
    if (total == 0) {
        // The two readings fall into the same clock tick of the system (both timers of the main
        // window can fire together): no new measurement, and the next reading spans both.
        return average_;
    }
    const std::uint64_t idle = std::min(now->idle - before.idle, total);
    previousTimes_ = now;
    const double percent = 100.0 * static_cast<double>(total - idle) / static_cast<double>(total);
    return PushSample(RoundToEven(percent));
}

std::int32_t clsCPULoad::ReadLoad9x() {
    // The statistics have to be started once through their start key before they deliver data.
    const std::string_view key = statisticsStarted_ ? kStatisticsDataKey : kStatisticsStartKey;
    const RegistryNumber usage =
        registry_.ReadNumber(RegistryRoot::DynamicData, key, kCpuUsageValue);
    if (!usage.keyOpened) return 0;
    statisticsStarted_ = true;
    // A value that cannot be read counts as a reading of 0.
    return PushSample(static_cast<std::int32_t>(usage.value.value_or(0)));
}

std::int32_t clsCPULoad::PushSample(std::int32_t reading) {
    if (sampleCount_ < stackSize_) {
        samples_[static_cast<std::size_t>(sampleCount_)] = reading;
        ++sampleCount_;
    } else {
        sampleSum_ -= samples_[oldest_];
        samples_[oldest_] = reading;
        oldest_ = (oldest_ + 1) % samples_.size();
    }
    sampleSum_ += reading;
    average_ = RoundToEven(static_cast<double>(sampleSum_) / sampleCount_);
    return average_;
}

bool clsCPULoad::RunsOnNT() {
    if (!runsOnNT_) {
        OsVersionRecord record;
        QueryOsVersion(os_, record);
        runsOnNT_ = record.platformId == kPlatformNT;
    }
    return *runsOnNT_;
}

}  // namespace velkor
