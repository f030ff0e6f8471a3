#include "platform/win32/win32_session_control.h"

#include <windows.h>

#include "platform/win32/system_library.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"

namespace velkor::win32 {
namespace {

// TOKEN_PRIVILEGES with room for two entries; the second stays zero.
struct PrivilegeBuffer {
    DWORD PrivilegeCount;
    LUID_AND_ATTRIBUTES Privileges[2];
};
#if !defined(_WIN64)
static_assert(sizeof(PrivilegeBuffer) == 28);
static_assert(sizeof(OSVERSIONINFOA) == 148);
#else
// Neither record holds a pointer: 64-bit Windows expects the same sizes.
static_assert(sizeof(PrivilegeBuffer) == 28);
static_assert(sizeof(OSVERSIONINFOA) == 148);
#endif

LUID ToLuid(PrivilegeId id) {
    LUID luid;
    luid.LowPart = static_cast<DWORD>(id & 0xFFFFFFFF);
    luid.HighPart = static_cast<LONG>(static_cast<std::uint32_t>(id >> 32));
    return luid;
}

PrivilegeId FromLuid(const LUID& luid) {
    return (static_cast<PrivilegeId>(static_cast<std::uint32_t>(luid.HighPart)) << 32) |
           luid.LowPart;
}

class Win32ProcessToken : public ProcessToken {
public:
    explicit Win32ProcessToken(HANDLE token) : token_(token) {}

    bool EnablePrivilege(PrivilegeId privilege) override {
        PrivilegeBuffer request{};
        request.PrivilegeCount = 1;
        request.Privileges[0].Luid = ToLuid(privilege);
        request.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
        PrivilegeBuffer previous{};
        DWORD returnLength = 0;
        // Nonzero is enough, even when the system reports ERROR_NOT_ALL_ASSIGNED: whether the
        // request is allowed is then the system's answer to ExitWindowsEx.
        return AdjustTokenPrivileges(token_.get(), FALSE,
                                     reinterpret_cast<TOKEN_PRIVILEGES*>(&request), sizeof request,
                                     reinterpret_cast<TOKEN_PRIVILEGES*>(&previous),
                                     &returnLength) != FALSE;
    }

private:
    UniqueHandle token_;
};

}  // namespace

std::optional<std::uint32_t> Win32SessionControl::QueryPlatformId() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version)) return std::nullopt;
    return version.dwPlatformId;
}

std::unique_ptr<ProcessToken> Win32SessionControl::OpenProcessToken(std::uint32_t access) {
    HANDLE token = nullptr;
    if (!::OpenProcessToken(GetCurrentProcess(), access, &token)) return nullptr;
    return std::make_unique<Win32ProcessToken>(token);
}

PrivilegeId Win32SessionControl::LookupPrivilegeId(std::string_view name) {
    LUID luid{};
    if (!LookupPrivilegeValueW(nullptr, Widen(name).c_str(), &luid)) return 0;
    return FromLuid(luid);
}

bool Win32SessionControl::RequestExit(std::uint32_t flags) {
    return ExitWindowsEx(flags, 0) != FALSE;
}

bool Win32SessionControl::SetSuspendState(bool hibernate, bool force, bool wakeupEventsDisabled) {
    using SetSuspendStateFunction = BOOLEAN(WINAPI*)(BOOLEAN, BOOLEAN, BOOLEAN);
    const SystemLibrary powrprof(L"powrprof.dll");
    const auto suspend = powrprof.Find<SetSuspendStateFunction>("SetSuspendState");
    if (!suspend) return false;
    return suspend(hibernate, force, wakeupEventsDisabled) != FALSE;
}

}  // namespace velkor::win32
