// The power actions: hang-up first when asked, the shutdown privilege on the NT family, and
// the request itself.
#include "actions/power_control.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "fake_dial_up.h"
#include "fake_session_control.h"

namespace velkor {
namespace {

using fakes::CallLog;

const std::string kOpenToken = "OpenProcessToken(0x28)";
const std::string kLookup = "LookupPrivilegeValue(SeShutdownPrivilege)";
const std::string kAdjust = "AdjustTokenPrivileges(enable 0x13)";
const std::string kClose = "CloseHandle(token)";

struct PowerFixture : ::testing::Test {
    CallLog log;
    fakes::FakeDialUp dialUp{log};
    fakes::FakeSessionControl session{log};
    SettingsRecord settings;
    PowerControl power{session, dialUp, settings};

    PowerFixture() {
        settings.OptHangUpFirst = "0";
        dialUp.connectionReported = true;
        dialUp.connections = {0x1, 0x2};
    }
};

TEST_F(PowerFixture, ShutdownHangsUpBothThenEnablesThePrivilegeThenPowersOff) {
    settings.OptHangUpFirst = "1";
    power.PowerShutdown();
    EXPECT_EQ(log, (CallLog{"InternetHangUp(0x1, 0)", "InternetHangUp(0x2, 0)", kOpenToken, kLookup,
                            kAdjust, kClose, "ExitWindowsEx(8, 0)"}));
}

struct RoutineCase {
    const char* name;
    std::function<void(PowerControl&)> run;
    std::string request;
    bool tokenSteps;  // on the NT family
    friend void PrintTo(const RoutineCase& c, std::ostream* os) { *os << c.name; }
};

class EachRoutine : public PowerFixture, public ::testing::WithParamInterface<RoutineCase> {};

TEST_P(EachRoutine, MakesItsRequestWithoutHangUpWhenNotAsked) {
    GetParam().run(power);
    if (GetParam().tokenSteps)
        EXPECT_EQ(log, (CallLog{kOpenToken, kLookup, kAdjust, kClose, GetParam().request}));
    else
        EXPECT_EQ(log, (CallLog{GetParam().request}));
}

TEST_P(EachRoutine, HangsUpFirstWhenAsked) {
    settings.OptHangUpFirst = "1";
    GetParam().run(power);
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[0], "InternetHangUp(0x1, 0)");
    EXPECT_EQ(log[1], "InternetHangUp(0x2, 0)");
    EXPECT_EQ(log.back(), GetParam().request);
}

INSTANTIATE_TEST_SUITE_P(
    Routines, EachRoutine,
    ::testing::Values(
        RoutineCase{"Shutdown", &PowerControl::PowerShutdown, "ExitWindowsEx(8, 0)", true},
        RoutineCase{"Reboot", &PowerControl::PowerReboot, "ExitWindowsEx(2, 0)", true},
        RoutineCase{"Logoff", &PowerControl::PowerLogoff, "ExitWindowsEx(0, 0)", true},
        RoutineCase{"Standby", &PowerControl::PowerStandby, "SetSuspendState(1, 0, 0)", false}));

struct PlatformCase {
    std::optional<std::uint32_t> queried;
    std::uint32_t id;
    bool nt;
};

TEST_F(PowerFixture, OnlyTheNtFamilyTakesTheTokenSteps) {
    for (const PlatformCase c :
         {PlatformCase{std::nullopt, 0, false}, PlatformCase{0, 0, false},
          PlatformCase{1, 1, false}, PlatformCase{2, 2, true}, PlatformCase{3, 3, true}}) {
        SCOPED_TRACE(c.id);
        session.platformId = c.queried;
        log.clear();
        EXPECT_EQ(power.GetPlatformId(), c.id);
        EXPECT_EQ(power.IsNtPlatform(), c.nt);
        power.PowerReboot();
        if (c.nt)
            EXPECT_EQ(log, (CallLog{kOpenToken, kLookup, kAdjust, kClose, "ExitWindowsEx(2, 0)"}));
        else
            EXPECT_EQ(log, (CallLog{"ExitWindowsEx(2, 0)"}));
    }
}

TEST_F(PowerFixture, TokenThatCannotBeOpenedStopsTheLogoff) {
    session.tokenOpens = false;
    power.PowerLogoff();
    EXPECT_EQ(log, (CallLog{kOpenToken}));
}

TEST_F(PowerFixture, RefusedAdjustmentStopsTheShutdownAfterHangingUp) {
    settings.OptHangUpFirst = "1";
    session.adjustmentSucceeds = false;
    power.PowerShutdown();
    EXPECT_EQ(log, (CallLog{"InternetHangUp(0x1, 0)", "InternetHangUp(0x2, 0)", kOpenToken, kLookup,
                            kAdjust, kClose}));
}

TEST_F(PowerFixture, FailedLookupStillAdjustsAndRequests) {
    session.lookupSucceeds = false;
    power.PowerShutdown();
    EXPECT_EQ(log, (CallLog{kOpenToken, kLookup, "AdjustTokenPrivileges(enable 0x0)", kClose,
                            "ExitWindowsEx(8, 0)"}));
}

// A hand-edited file may hold anything; only a number equal to 1 hangs up, and the power
// request is made whatever the text is.
TEST_F(PowerFixture, HangUpFirstOptionReadAsANumber) {
    struct Case {
        const char* text;
        bool hangsUp;
    };
    for (const Case c :
         {Case{"1", true}, Case{" 1 ", true}, Case{"\t1", true}, Case{"01", true}, Case{"+1", true},
          Case{"0", false}, Case{"", false}, Case{" ", false}, Case{"-1", false}, Case{"10", false},
          Case{"11", false}, Case{"1x", false}, Case{"ja", false}, Case{"+", false}}) {
        SCOPED_TRACE(std::string("\"") + c.text + "\"");
        settings.OptHangUpFirst = c.text;
        session.platformId = 1;
        log.clear();
        power.PowerShutdown();
        if (c.hangsUp)
            EXPECT_EQ(log, (CallLog{"InternetHangUp(0x1, 0)", "InternetHangUp(0x2, 0)",
                                    "ExitWindowsEx(8, 0)"}));
        else
            EXPECT_EQ(log, (CallLog{"ExitWindowsEx(8, 0)"}));
    }
}

}  // namespace
}  // namespace velkor
