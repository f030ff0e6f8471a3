#include "platform/win32/win32_clock.h"

#include <windows.h>

namespace velkor::win32 {

LocalDateTime Win32Clock::LocalNow() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    LocalDateTime local;
    local.year = now.wYear;
    local.month = now.wMonth;
    local.day = now.wDay;
    local.weekday = static_cast<Weekday>(now.wDayOfWeek);
    local.hour = now.wHour;
    local.minute = now.wMinute;
    local.second = now.wSecond;
    local.millisecond = now.wMilliseconds;
    return local;
}

std::uint64_t Win32Clock::TickCountMs() { return GetTickCount64(); }

}  // namespace velkor::win32
