#pragma once
// The user's regional settings: how numbers, dates, times and weekdays are written.
// A text that cannot be made is nothing rather than empty, so that it never equals a stored
// text (an empty weekday or date setting must not match a failed reading).
#include <optional>
#include <string>

#include "platform/clock.h"

namespace velkor {

class UserLocale {
public:
    virtual ~UserLocale() = default;
    // The decimal separator ("," under German, "." under English); "." when it cannot be read.
    virtual std::string DecimalSeparator() = 0;
    // The date of `when` in the user's short date format; nothing for an invalid date.
    virtual std::optional<std::string> ShortDateText(const LocalDateTime& when) = 0;
    // The time of `when` in the user's time format; nothing for an invalid time.
    virtual std::optional<std::string> TimeText(const LocalDateTime& when) = 0;
    // The full name of the day ("Montag" under German); nothing when it cannot be read.
    virtual std::optional<std::string> WeekdayName(Weekday day) = 0;
};

}  // namespace velkor
