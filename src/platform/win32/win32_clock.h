#pragma once
#include "platform/clock.h"

namespace velkor::win32 {

// GetLocalTime and GetTickCount64.
class Win32Clock : public Clock {
public:
    LocalDateTime LocalNow() override;
    std::uint64_t TickCountMs() override;
};

}  // namespace velkor::win32
