#pragma once
// The four power actions: power off, restart, log off and standby. Each first hangs up the
// dial-up connections when the user asked for that, and on the NT family enables the shutdown
// privilege before the request. Nothing waits for the system or asks the user; a refused
// request ends the action silently.
#include <cstdint>
#include <string_view>

#include "platform/dial_up.h"
#include "platform/session_control.h"
#include "settings/settings_record.h"

namespace velkor {

// ExitWindowsEx requests; EWX_FORCE is never added, so running programs may still object.
inline constexpr std::uint32_t kExitLogoff = 0;    // EWX_LOGOFF
inline constexpr std::uint32_t kExitReboot = 2;    // EWX_REBOOT
inline constexpr std::uint32_t kExitPowerOff = 8;  // EWX_POWEROFF
// TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY
inline constexpr std::uint32_t kShutdownTokenAccess = 0x20 | 0x08;
inline constexpr std::string_view kShutdownPrivilegeName = "SeShutdownPrivilege";

// Whether the text reads as the number 1: an optional sign and decimal digits, blanks
// allowed around them ("1", " 01 ", "+1"). Anything else, the empty text included, does not.
bool ReadsAsNumberOne(std::string_view text);

class PowerControl {
public:
    // The settings are read afresh on every call: the user may change them in between.
    PowerControl(SessionControl& session, DialUp& dialUp, const SettingsRecord& settings)
        : session_(session), dialUp_(dialUp), settings_(settings) {}

    void PowerShutdown();
    void PowerReboot();
    void PowerLogoff();
    // Suspend with the hibernate argument set; the result is not examined.
    void PowerStandby();

    // On the NT family enables the shutdown privilege first and makes no request when the
    // token cannot be opened or the privilege adjustment fails.
    void ExitWindowsWithPrivilege(std::uint32_t flags);

    // True for platform ids with the bit of value 2 (the NT family); false for Win32s,
    // Windows 95/98/Me and a failed query.
    bool IsNtPlatform();
    // The platform id; 0 when the query fails.
    std::uint32_t GetPlatformId();

private:
    void HangUpFirstIfAsked();
    bool EnableShutdownPrivilege();

    SessionControl& session_;
    DialUp& dialUp_;
    const SettingsRecord& settings_;
};

}  // namespace velkor
