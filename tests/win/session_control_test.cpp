// The token steps of the power actions on Windows (Wine grants them). No real power request
// is ever made here: the requests are recorded instead.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "actions/power_control.h"
#include "fake_dial_up.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_session_control.h"

namespace velkor::win32 {
namespace {

// Whether the process token holds the shutdown privilege enabled, read through a token of
// its own.
bool ShutdownPrivilegeEnabled() {
    HANDLE raw = nullptr;
    if (!::OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &raw)) return false;
    UniqueHandle token(raw);
    LUID shutdown{};
    if (!LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &shutdown)) return false;
    DWORD length = 0;
    GetTokenInformation(token.get(), TokenPrivileges, nullptr, 0, &length);
    std::vector<unsigned char> buffer(length);
    if (!GetTokenInformation(token.get(), TokenPrivileges, buffer.data(), length, &length))
        return false;
    const auto* privileges = reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer.data());
    for (DWORD i = 0; i < privileges->PrivilegeCount; ++i) {
        const LUID_AND_ATTRIBUTES& entry = privileges->Privileges[i];
        if (entry.Luid.LowPart == shutdown.LowPart && entry.Luid.HighPart == shutdown.HighPart)
            return (entry.Attributes & SE_PRIVILEGE_ENABLED) != 0;
    }
    return false;
}

// The real session up to the request, which is recorded and never made.
class SessionWithoutRequests : public Win32SessionControl {
public:
    std::vector<std::string> requests;
    bool RequestExit(std::uint32_t flags) override {
        requests.push_back("ExitWindowsEx(" + std::to_string(flags) + ", 0)");
        return true;
    }
    bool SetSuspendState(bool hibernate, bool force, bool wakeupEventsDisabled) override {
        requests.push_back("SetSuspendState(" + std::to_string(hibernate) + ", " +
                           std::to_string(force) + ", " + std::to_string(wakeupEventsDisabled) +
                           ")");
        return true;
    }
};

TEST(SessionOnWindows, IsTheNtFamily) {
    Win32SessionControl session;
    EXPECT_EQ(session.QueryPlatformId(), std::optional<std::uint32_t>(VER_PLATFORM_WIN32_NT));
}

TEST(SessionOnWindows, TokenStepsEnableTheShutdownPrivilege) {
    Win32SessionControl session;
    const PrivilegeId shutdown = session.LookupPrivilegeId("SeShutdownPrivilege");
    EXPECT_NE(shutdown, 0u);
    EXPECT_EQ(session.LookupPrivilegeId("SeNoSuchPrivilege"), 0u);

    const auto token = session.OpenProcessToken(TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY);
    ASSERT_TRUE(token);
    EXPECT_TRUE(token->EnablePrivilege(shutdown));
    EXPECT_TRUE(ShutdownPrivilegeEnabled());
}

TEST(SessionOnWindows, PowerActionsReachTheirRequestsThroughTheRealTokenSteps) {
    fakes::CallLog hangUps;
    fakes::FakeDialUp dialUp(hangUps);
    SettingsRecord settings;
    settings.OptHangUpFirst = "0";
    SessionWithoutRequests session;
    PowerControl power(session, dialUp, settings);

    EXPECT_TRUE(power.IsNtPlatform());
    power.PowerShutdown();
    power.PowerReboot();
    power.PowerLogoff();
    power.PowerStandby();

    EXPECT_EQ(session.requests,
              (std::vector<std::string>{"ExitWindowsEx(8, 0)", "ExitWindowsEx(2, 0)",
                                        "ExitWindowsEx(0, 0)", "SetSuspendState(1, 0, 0)"}));
    EXPECT_TRUE(hangUps.empty());
}

}  // namespace
}  // namespace velkor::win32
