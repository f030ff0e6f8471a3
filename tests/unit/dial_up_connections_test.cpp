// The "Online"/"Offline" status from the first dial-up connection, and hanging up all of them.
#include "actions/dial_up_connections.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "fake_dial_up.h"

namespace velkor {
namespace {

struct StatusCase {
    const char* name;
    bool reported;
    std::vector<ConnectionHandle> connections;
    std::string before;
    std::string after;
    friend void PrintTo(const StatusCase& c, std::ostream* os) { *os << c.name; }
};

class InternetStatus : public ::testing::TestWithParam<StatusCase> {};

TEST_P(InternetStatus, FollowsTheFirstConnection) {
    const StatusCase& c = GetParam();
    fakes::CallLog log;
    fakes::FakeDialUp dialUp(log);
    dialUp.connectionReported = c.reported;
    dialUp.connections = c.connections;
    std::string text = c.before;

    UpdateInternetStatus(dialUp, text);

    EXPECT_EQ(text, c.after);
    EXPECT_EQ(dialUp.listings, 1);
    EXPECT_EQ(dialUp.stateQueries, c.connections.empty() ? 0 : 1)
        << "the connected state is asked only when a dial-up connection is listed";
    EXPECT_TRUE(log.empty());
}

constexpr ConnectionHandle kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr ConnectionHandle kInt32Max = std::numeric_limits<std::int32_t>::max();

INSTANTIATE_TEST_SUITE_P(
    Cases, InternetStatus,
    ::testing::Values(
        StatusCase{"NothingReportedAtStart", false, {0x1}, "", "Offline"},
        StatusCase{"NothingReported", false, {}, "Online", "Offline"},
        StatusCase{"LocalNetworkOnly", true, {}, "Online", "Offline"},
        StatusCase{"OneConnection", true, {0x1}, "", "Online"},
        StatusCase{"FirstOfTwoDecides", true, {0x4711, 0}, "Offline", "Online"},
        StatusCase{"FirstOfTwoIsZero", true, {0, 0x4711}, "Online", "Offline"},
        StatusCase{"LargestInt32", true, {kInt32Max}, "Offline", "Online"},
        StatusCase{"JustBelowTheKeptRange", true, {-2039493}, "Offline", "Online"},
        StatusCase{"SmallestInt32", true, {kInt32Min}, "Offline", "Online"},
        StatusCase{"LowestKept", true, {-2039492}, "Offline", "Offline"},
        StatusCase{"MinusOneKept", true, {-1}, "Online", "Online"},
        StatusCase{"KeptWhileStillEmpty", true, {-5}, "", ""},
        // A 64-bit handle is judged by its low 32 bits, read as a signed number.
        StatusCase{"WideHandleLowBitsOne", true, {0x7FFF00000001}, "Offline", "Online"},
        StatusCase{"WideHandleLowBitsMinusOne", true, {0x1FFFFFFFF}, "Offline", "Offline"}));

struct HangUpFixture : ::testing::Test {
    fakes::CallLog log;
    fakes::FakeDialUp dialUp{log};
};

TEST_F(HangUpFixture, NothingReportedMakesNoCallAtAll) {
    dialUp.connections = {0x1};  // listed, but the system reports no connection
    HangUpAllConnections(dialUp);
    EXPECT_TRUE(log.empty());
}

TEST_F(HangUpFixture, LocalNetworkOnlyHangsUpNothing) {
    dialUp.connectionReported = true;
    HangUpInternet(dialUp);
    EXPECT_EQ(dialUp.listings, 1);
    EXPECT_TRUE(log.empty());
}

TEST_F(HangUpFixture, EveryConnectionInOrderWithItsFullHandleEvenAfterARefusal) {
    dialUp.connectionReported = true;
    dialUp.connections = {0x7FF6ABCD00000010, 0x1, -2};
    dialUp.refusedHangUps = {0x7FF6ABCD00000010};

    HangUpInternet(dialUp);

    EXPECT_EQ(log,
              (fakes::CallLog{"InternetHangUp(0x7ff6abcd00000010, 0)", "InternetHangUp(0x1, 0)",
                              "InternetHangUp(0xfffffffffffffffe, 0)"}));
}

}  // namespace
}  // namespace velkor
