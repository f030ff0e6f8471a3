// The dial-up functions on Windows. Wine reports a connection but lists no dial-up
// connection, so the status is "Offline" and a hang-up finds nothing to end.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "actions/dial_up_connections.h"
#include "platform/win32/win32_dial_up.h"

namespace velkor::win32 {
namespace {

TEST(DialUpOnWindows, FindsTheInternetAndRemoteAccessFunctionsAtRunTime) {
    Win32DialUp dialUp;
    EXPECT_TRUE(dialUp.HasSystemFunctions());
}

TEST(DialUpOnWindows, NoDialUpConnectionReadsAsOffline) {
    Win32DialUp dialUp;
    EXPECT_TRUE(dialUp.IsConnectionReported());  // Wine: the local network
    for (int tick = 0; tick < 3; ++tick) EXPECT_TRUE(dialUp.ListConnections().empty());

    std::string status = "Online";
    UpdateInternetStatus(dialUp, status);
    EXPECT_EQ(status, "Offline");
    HangUpAllConnections(dialUp);
}

}  // namespace
}  // namespace velkor::win32
