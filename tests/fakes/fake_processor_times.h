#pragma once
// Processor totals that a test advances by hand. Reading allocates nothing, so the fake can
// stand in for the system in benchmarks too.
#include <cstdint>
#include <optional>

#include "platform/processor_times.h"

namespace velkor::fakes {

class FakeProcessorTimes : public ProcessorTimes {
  public:
    ProcessorTimesRecord totals{1'000'000, 3'000'000, 2'000'000};
    bool failing = false;
    int reads = 0;

    std::optional<ProcessorTimesRecord> Read() override {
        ++reads;
        if (failing) return std::nullopt;
        return totals;
    }

    // Lets time pass: `busy` units of work (user mode) and `idle` units of idle time (which the
    // system counts as kernel time too).
    void Pass(std::uint64_t busy, std::uint64_t idle) {
        totals.user += busy;
        totals.idle += idle;
        totals.kernel += idle;
    }

    // Lets 1000 units pass at the given load in tenths of a percent (125 is 12.5 %).
    void PassAtPermille(std::uint64_t permille) { Pass(permille, 1000 - permille); }
};

}  // namespace velkor::fakes
