#include "actions/dial_up_connections.h"

#include <cstdint>
#include <vector>

namespace velkor {
namespace {

// Handles from this value up to -1 (as signed 32-bit numbers) keep the previous status text.
constexpr std::int32_t kLowestUnchangedHandle = -2039492;

// The dial-up connections, or none when the system reports no connection at all. The list
// comes first: asking whether any connection is reported costs a network scan (milliseconds
// under Wine, twice a second), and without a listed dial-up connection the answer cannot change
// the outcome.
std::vector<ConnectionHandle> ListReportedConnections(DialUp& dialUp) {
    std::vector<ConnectionHandle> connections = dialUp.ListConnections();
    if (connections.empty() || !dialUp.IsConnectionReported()) return {};
    return connections;
}

}  // namespace

std::optional<std::string_view> InternetStatusTextFor(ConnectionHandle firstConnection) {
    const auto handle =
        static_cast<std::int32_t>(static_cast<std::uint32_t>(firstConnection & 0xFFFFFFFF));
    if (handle == 0) return kOfflineText;
    if (handle >= 1) return kOnlineText;
    if (handle < kLowestUnchangedHandle) return kOnlineText;
    return std::nullopt;
}

void UpdateInternetStatus(DialUp& dialUp, std::string& internetStatusText) {
    const std::vector<ConnectionHandle> connections = ListReportedConnections(dialUp);
    const ConnectionHandle first = connections.empty() ? 0 : connections.front();
    if (const auto text = InternetStatusTextFor(first)) internetStatusText = *text;
}

void HangUpAllConnections(DialUp& dialUp) {
    for (const ConnectionHandle connection : ListReportedConnections(dialUp)) {
        dialUp.HangUp(connection);  // a refusal leaves the connection to the next status tick
    }
}

void HangUpInternet(DialUp& dialUp) { HangUpAllConnections(dialUp); }

}  // namespace velkor
