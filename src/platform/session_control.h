#pragma once
// The requests that end the user's Windows session, and what they need first: the platform
// id and, on the NT family, the shutdown privilege of the process token.
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

namespace velkor {

// A locally unique privilege id (LUID), low part in the low 32 bits; 0 when unknown.
using PrivilegeId = std::uint64_t;

// The open token of this process; closed when the object goes.
class ProcessToken {
public:
    virtual ~ProcessToken() = default;

    // Enables the one privilege (AdjustTokenPrivileges). True when the system took the request,
    // which it also does when it did not grant the privilege.
    virtual bool EnablePrivilege(PrivilegeId privilege) = 0;
};

class SessionControl {
public:
    virtual ~SessionControl() = default;

    // dwPlatformId of the Windows version (GetVersionExA); nothing when the query fails.
    virtual std::optional<std::uint32_t> QueryPlatformId() = 0;

    // Opens this process's token with the given access rights; null when it cannot be opened.
    virtual std::unique_ptr<ProcessToken> OpenProcessToken(std::uint32_t access) = 0;

    // The id of a named privilege on this computer; 0 when the lookup fails.
    virtual PrivilegeId LookupPrivilegeId(std::string_view name) = 0;

    // ExitWindowsEx(flags, 0). True when the system accepted the request; the session then
    // ends on its own.
    virtual bool RequestExit(std::uint32_t flags) = 0;

    // The power-management suspend request. True when the system accepted it; false also where
    // the system has no power-management functions.
    virtual bool SetSuspendState(bool hibernate, bool force, bool wakeupEventsDisabled) = 0;
};

}  // namespace velkor
