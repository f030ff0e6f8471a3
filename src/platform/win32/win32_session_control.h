#pragma once
#include "platform/session_control.h"

namespace velkor::win32 {

// The real requests: ExitWindowsEx ends the user's session, SetSuspendState (powrprof, looked
// up at run time) suspends the machine. Never made from a test in a shared Wine prefix.
class Win32SessionControl : public SessionControl {
public:
    std::optional<std::uint32_t> QueryPlatformId() override;
    std::unique_ptr<ProcessToken> OpenProcessToken(std::uint32_t access) override;
    PrivilegeId LookupPrivilegeId(std::string_view name) override;
    bool RequestExit(std::uint32_t flags) override;
    bool SetSuspendState(bool hibernate, bool force, bool wakeupEventsDisabled) override;
};

}  // namespace velkor::win32
