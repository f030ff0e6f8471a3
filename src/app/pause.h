#pragma once
// Waiting a while with the windows kept alive.
#include <cstdint>
#include <functional>

#include "platform/clock.h"

namespace velkor {

// Handles the pending window messages and may wait up to `maxWaitMs` for the next one.
using MessagePump = std::function<void(std::uint32_t maxWaitMs)>;

// Waits `seconds` (fractions allowed, rounded to whole milliseconds) while `pump` keeps the
// windows and their timers going. Measured on the monotonic tick count, so the wait lasts its
// given time across midnight and clock changes. Zero, negative and NaN return at once.
void Pause(double seconds, Clock& clock, const MessagePump& pump);

}  // namespace velkor
