#pragma once
// How much physical memory is free.
#include <cstdint>
#include <optional>

namespace velkor {

class MemoryStatus {
public:
    virtual ~MemoryStatus() = default;
    // Free physical memory in bytes, nothing when the system cannot tell.
    virtual std::optional<std::uint64_t> AvailablePhysicalBytes() = 0;
};

}  // namespace velkor
