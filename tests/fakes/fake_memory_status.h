#pragma once
#include "platform/memory_status.h"

namespace velkor::fakes {

class FakeMemoryStatus : public MemoryStatus {
public:
    std::optional<std::uint64_t> availableBytes = 1048576000;
    int queries = 0;
    std::optional<std::uint64_t> AvailablePhysicalBytes() override {
        ++queries;
        return availableBytes;
    }
};

}  // namespace velkor::fakes
