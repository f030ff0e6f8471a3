#include "platform/win32/win32_processor_times.h"

#include <windows.h>

namespace velkor::win32 {

namespace {
std::uint64_t Units(const FILETIME& time) {
    return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}
}  // namespace

std::optional<ProcessorTimesRecord> Win32ProcessorTimes::Read() {
    FILETIME idle{}, kernel{}, user{};
    if (!GetSystemTimes(&idle, &kernel, &user)) return std::nullopt;
    return ProcessorTimesRecord{Units(idle), Units(kernel), Units(user)};
}

}  // namespace velkor::win32
