#pragma once
// Whether a dial-up connection is up ("Online" / "Offline"), and hanging up every dial-up
// connection. A connection through a local network alone counts as "Offline" and is never
// hung up. Nothing is kept from one call to the next.
#include <optional>
#include <string>
#include <string_view>

#include "platform/dial_up.h"

namespace velkor {

inline constexpr std::string_view kOnlineText = "Online";
inline constexpr std::string_view kOfflineText = "Offline";

// The status text that the first listed connection handle (0 when none) leads to, or nothing
// when that handle leaves the shown text as it is. Only the low 32 bits, read as a signed
// number, decide: 0 is "Offline"; 1 and more, and -2039493 and less, are "Online"; the
// handles between keep the previous text.
std::optional<std::string_view> InternetStatusTextFor(ConnectionHandle firstConnection);

// Sets the status text that the status display shows (owned by the caller; empty at program
// start) from the first dial-up connection. Called on every display tick.
void UpdateInternetStatus(DialUp& dialUp, std::string& internetStatusText);

// Hangs up every listed dial-up connection, in the system's order; a refused hang-up does not
// stop the others. Reports nothing.
void HangUpAllConnections(DialUp& dialUp);

// The hang-up action of the dispatcher: HangUpAllConnections and nothing else (it does not
// look at the hang-up-first option of the power actions).
void HangUpInternet(DialUp& dialUp);

}  // namespace velkor
