#include "actions/power_control.h"

#include "actions/dial_up_connections.h"

namespace velkor {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

bool ReadsAsNumberOne(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    bool seenOne = false;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
        if (c == '0' && !seenOne) continue;  // leading zeros
        if (c != '1' || seenOne) return false;
        seenOne = true;
    }
    return seenOne;
}

void PowerControl::PowerShutdown() {
    HangUpFirstIfAsked();
    ExitWindowsWithPrivilege(kExitPowerOff);
}

void PowerControl::PowerReboot() {
    HangUpFirstIfAsked();
    ExitWindowsWithPrivilege(kExitReboot);
}

void PowerControl::PowerLogoff() {
    HangUpFirstIfAsked();
    ExitWindowsWithPrivilege(kExitLogoff);
}

void PowerControl::PowerStandby() {
    HangUpFirstIfAsked();
    session_.SetSuspendState(/*hibernate=*/true, /*force=*/false, /*wakeupEventsDisabled=*/false);
}

void PowerControl::ExitWindowsWithPrivilege(std::uint32_t flags) {
    if (IsNtPlatform() && !EnableShutdownPrivilege()) return;
    session_.RequestExit(flags);
}

bool PowerControl::IsNtPlatform() { return (GetPlatformId() & 2) != 0; }

std::uint32_t PowerControl::GetPlatformId() { return session_.QueryPlatformId().value_or(0); }

// An option that is not a number (an empty line in a hand-edited file) counts as "no": the
// power request the user asked for still goes ahead.
void PowerControl::HangUpFirstIfAsked() {
    if (ReadsAsNumberOne(settings_.OptHangUpFirst)) HangUpAllConnections(dialUp_);
}

// The token is closed again before the request is made. A failed lookup leaves the id 0 and
// the adjustment goes ahead; only its own result decides.
bool PowerControl::EnableShutdownPrivilege() {
    const auto token = session_.OpenProcessToken(kShutdownTokenAccess);
    if (!token) return false;
    return token->EnablePrivilege(session_.LookupPrivilegeId(kShutdownPrivilegeName));
}

}  // namespace velkor
