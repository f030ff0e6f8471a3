#pragma once
// The processor load meter: every read of Value takes one reading of the load of all
// processors and returns the rounded mean of the last StackSize readings.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/os_version.h"
#include "platform/processor_times.h"
#include "platform/registry.h"

namespace velkor {

class clsCPULoad {
  public:
    static constexpr std::int32_t kInitialStackSize = 5;

    // Asks once which Windows family this is; never fails.
    clsCPULoad(OsVersion& os, ProcessorTimes& times, Registry& registry);
    clsCPULoad(const clsCPULoad&) = delete;
    clsCPULoad& operator=(const clsCPULoad&) = delete;

    // Takes one reading and returns the mean load in whole percent (ties to even). A reading
    // that cannot be taken returns 0 and leaves the window as it was. Allocates nothing.
    std::int32_t Value();

    std::int32_t StackSize() const { return stackSize_; }
    // Empties the window and gives it room for `NewStackSize` readings. A size below 1 throws
    // std::invalid_argument and leaves the meter as it was.
    void StackSize(std::int32_t NewStackSize);

  private:
    std::int32_t ReadLoadNT();
    std::int32_t ReadLoad9x();
    std::int32_t PushSample(std::int32_t reading);
    bool RunsOnNT();

    OsVersion& os_;
    ProcessorTimes& times_;
    Registry& registry_;

    // The window is a ring: once full, `oldest_` is where the next reading goes.
    std::vector<std::int32_t> samples_;
    std::size_t oldest_ = 0;
    std::int32_t sampleCount_ = 0;
    std::int32_t stackSize_ = kInitialStackSize;
    std::int64_t sampleSum_ = 0;  // 64 bits: no reading the registry can hold overflows it
    std::int32_t average_ = 0;

    std::optional<ProcessorTimesRecord> previousTimes_;  // NT family: the last reading's times
    bool statisticsStarted_ = false;                     // Windows 9x: a statistics key opened
    std::optional<bool> runsOnNT_;
};

}  // namespace velkor
