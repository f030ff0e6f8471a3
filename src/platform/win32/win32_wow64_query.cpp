#include "platform/win32/win32_wow64_query.h"

#include <windows.h>

namespace velkor::win32 {

bool Win32Wow64Query::IsWow64Process() {
    // Looked up at run time: older systems have no IsWow64Process. kernel32 is always loaded.
    using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, PBOOL);
    const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    if (!kernel) return false;
    const auto isWow64Process = reinterpret_cast<IsWow64ProcessFunction>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "IsWow64Process")));
    if (!isWow64Process) return false;
    BOOL wow64 = FALSE;
    if (!isWow64Process(GetCurrentProcess(), &wow64)) return false;
    return wow64 != FALSE;
}

}  // namespace velkor::win32
