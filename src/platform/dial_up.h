#pragma once
// The machine's dial-up (remote access) connections: whether the system reports a connection,
// which dial-up connections exist, and ending one of them.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace velkor {

// A connection handle at its full width: 64 bits on 64-bit Windows, where cutting it to 32
// bits would end the wrong connection, or none.
using ConnectionHandle = std::int64_t;

class DialUp {
public:
    // The listing never returns more connections than this.
    static constexpr std::size_t kMaxConnections = 256;

    virtual ~DialUp() = default;

    // Whether the system reports any internet connection at all (dial-up, network or other).
    // False, too, where the system has no internet functions.
    virtual bool IsConnectionReported() = 0;

    // The handles of the dial-up connections, in the system's order. Empty when there are none
    // or the system cannot list them.
    virtual std::vector<ConnectionHandle> ListConnections() = 0;

    // Ends one connection. False when the system refused or cannot hang up.
    virtual bool HangUp(ConnectionHandle connection) = 0;
};

}  // namespace velkor
