#include "platform/win32/win32_memory_status.h"

#include <windows.h>

namespace velkor::win32 {

std::optional<std::uint64_t> Win32MemoryStatus::AvailablePhysicalBytes() {
    MEMORYSTATUSEX status = {};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status)) return std::nullopt;
    return status.ullAvailPhys;
}

}  // namespace velkor::win32
