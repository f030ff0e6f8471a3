#pragma once
// The local wall clock and a monotonic millisecond count.
#include <cstdint>

namespace velkor {

// Counted as Windows counts them: Sunday is 0.
enum class Weekday : std::uint8_t {
    Sunday,
    Monday,
    Tuesday,
    Wednesday,
    Thursday,
    Friday,
    Saturday
};

// A moment in the user's local time, field by field (month 1-12, day 1-31, hour 0-23).
struct LocalDateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    Weekday weekday = Weekday::Sunday;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};

class Clock {
public:
    virtual ~Clock() = default;
    // The current local date and time; jumps when the user or the time service sets the clock.
    virtual LocalDateTime LocalNow() = 0;
    // Milliseconds since some fixed start, never going back: for waits that must last their
    // given time across midnight or a clock change.
    virtual std::uint64_t TickCountMs() = 0;
};

}  // namespace velkor
