#pragma once
// The time trigger's second when no tick fell into it: a busy system or a late timer message
// can space two trigger ticks more than a second apart, and the second between them is then
// never seen by a tick of its own.
#include <cstdint>
#include <string_view>

#include "platform/clock.h"

namespace velkor {

// One trigger tick: the wall clock it saw and the monotonic count at the same moment.
struct TickMoment {
    LocalDateTime local;
    std::uint64_t tickCountMs = 0;
};

// True when the second that `timeValue` names ("hh:mm:ss", 24-hour clock) lies strictly
// between the whole seconds of `previous` and `now`, across midnight too, and both the wall
// clock and the monotonic count moved forward by less than a minute from one tick to the
// next. A longer gap (the machine slept, the clock was set) never counts as a missed second,
// and neither does a `timeValue` in any other form, which no tick could match anyway.
bool MissedTargetSecond(const TickMoment& previous, const TickMoment& now,
                        std::string_view timeValue);

}  // namespace velkor
