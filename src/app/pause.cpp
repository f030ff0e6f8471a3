#include "app/pause.h"

#include <algorithm>
#include <cmath>

namespace velkor {
namespace {

std::uint64_t DurationMs(double seconds) {
    const double ms = std::nearbyint(seconds * 1000.0);
    if (!(ms > 0)) return 0;                           // also NaN
    if (ms >= 1e18) return 1'000'000'000'000'000'000;  // longer than any session runs
    return static_cast<std::uint64_t>(ms);
}

}  // namespace

void Pause(double seconds, Clock& clock, const MessagePump& pump) {
    const std::uint64_t duration = DurationMs(seconds);
    const std::uint64_t start = clock.TickCountMs();
    for (;;) {
        const std::uint64_t elapsed = clock.TickCountMs() - start;
        if (elapsed >= duration) return;
        // Capped below 0xFFFFFFFF, which Windows waits read as "forever".
        pump(static_cast<std::uint32_t>(std::min<std::uint64_t>(duration - elapsed, 0xFFFFFFFE)));
    }
}

}  // namespace velkor
