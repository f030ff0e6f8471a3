#include "platform/win32/win32_user_locale.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace velkor::win32 {
namespace {

// Dates and times in any locale fit easily; a longer one counts as a failure.
constexpr int kTextCapacity = 128;

// `count` is what the call returned: characters written with the terminating NUL, 0 on failure.
std::optional<std::string> Formatted(const wchar_t* buffer, int count) {
    if (count <= 1) return std::nullopt;
    return Narrow(std::wstring_view(buffer, static_cast<std::size_t>(count - 1)));
}

std::optional<std::string> LocaleText(LCTYPE type) {
    wchar_t buffer[kTextCapacity];
    return Formatted(buffer,
                     GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer, kTextCapacity));
}

// A field that no WORD holds becomes 0xFFFF, invalid in every field: the format calls refuse
// an invalid date or time (ERROR_INVALID_PARAMETER) rather than writing a wrong one.
SYSTEMTIME ToSystemTime(const LocalDateTime& when) {
    auto field = [](int value) {
        return static_cast<WORD>(value < 0 || value > 0xFFFF ? 0xFFFF : value);
    };
    SYSTEMTIME time = {};
    time.wYear = field(when.year);
    time.wMonth = field(when.month);
    time.wDay = field(when.day);
    time.wDayOfWeek = static_cast<WORD>(when.weekday);
    time.wHour = field(when.hour);
    time.wMinute = field(when.minute);
    time.wSecond = field(when.second);
    time.wMilliseconds = field(when.millisecond);
    return time;
}

}  // namespace

std::string Win32UserLocale::DecimalSeparator() {
    return LocaleText(LOCALE_SDECIMAL).value_or(".");
}

std::optional<std::string> Win32UserLocale::ShortDateText(const LocalDateTime& when) {
    const SYSTEMTIME date = ToSystemTime(when);
    wchar_t buffer[kTextCapacity];
    return Formatted(buffer, GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &date,
                                             nullptr, buffer, kTextCapacity, nullptr));
}

std::optional<std::string> Win32UserLocale::TimeText(const LocalDateTime& when) {
    const SYSTEMTIME time = ToSystemTime(when);
    wchar_t buffer[kTextCapacity];
    return Formatted(buffer, GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &time, nullptr, buffer,
                                             kTextCapacity));
}

std::optional<std::string> Win32UserLocale::WeekdayName(Weekday day) {
    const int index = static_cast<int>(day);
    if (index < 0 || index > 6) return std::nullopt;
    // LOCALE_SDAYNAME1 is Monday, ... LOCALE_SDAYNAME7 Sunday.
    return LocaleText(LOCALE_SDAYNAME1 + static_cast<LCTYPE>((index + 6) % 7));
}

}  // namespace velkor::win32
