#pragma once
// The processor times of the whole machine (GetSystemTimes): how long all processors together
// have spent idle, in kernel mode and in user mode since start, in 100-nanosecond units.
#include <cstdint>
#include <optional>

namespace velkor {

struct ProcessorTimesRecord {
    std::uint64_t idle = 0;
    std::uint64_t kernel = 0;  // includes the idle time
    std::uint64_t user = 0;
};

class ProcessorTimes {
  public:
    virtual ~ProcessorTimes() = default;
    // The current totals, or nothing when the system cannot tell. Allocates nothing.
    virtual std::optional<ProcessorTimesRecord> Read() = 0;
};

}  // namespace velkor
