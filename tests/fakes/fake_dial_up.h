#pragma once
// Dial-up connections as a test sets them; hang-ups are recorded, connections stay listed.
#include <set>
#include <vector>

#include "call_log.h"
#include "platform/dial_up.h"

namespace velkor::fakes {

class FakeDialUp : public DialUp {
public:
    explicit FakeDialUp(CallLog& log) : log_(log) {}

    bool connectionReported = false;  // what InternetGetConnectedState says
    std::vector<ConnectionHandle> connections;
    std::set<ConnectionHandle> refusedHangUps;
    int listings = 0;      // how often the connections were listed
    int stateQueries = 0;  // how often the (costly) connected state was asked for

    bool IsConnectionReported() override {
        ++stateQueries;
        return connectionReported;
    }

    std::vector<ConnectionHandle> ListConnections() override {
        ++listings;
        return connections;
    }

    bool HangUp(ConnectionHandle connection) override {
        log_.push_back("InternetHangUp(" + Hex(static_cast<std::uint64_t>(connection)) + ", 0)");
        return refusedHangUps.count(connection) == 0;
    }

private:
    CallLog& log_;
};

}  // namespace velkor::fakes
