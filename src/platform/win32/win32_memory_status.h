#pragma once
#include "platform/memory_status.h"

namespace velkor::win32 {

// GlobalMemoryStatusEx: the full 64-bit figure, where the older GlobalMemoryStatus reports
// a wrapped or capped value on machines with more than 2 GB.
class Win32MemoryStatus : public MemoryStatus {
public:
    std::optional<std::uint64_t> AvailablePhysicalBytes() override;
};

}  // namespace velkor::win32
