#pragma once
#include "platform/user_locale.h"

namespace velkor::win32 {

// The current user's locale, read afresh on every call so that a change in the regional
// settings shows at once.
class Win32UserLocale : public UserLocale {
public:
    std::string DecimalSeparator() override;
    std::optional<std::string> ShortDateText(const LocalDateTime& when) override;
    std::optional<std::string> TimeText(const LocalDateTime& when) override;
    std::optional<std::string> WeekdayName(Weekday day) override;
};

}  // namespace velkor::win32
