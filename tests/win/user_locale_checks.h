#pragma once
// The Win32 user locale and the number texts under one locale, shared by the test exes that
// run under German and under English (US). Each exe defines kExpected for its locale.
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <set>
#include <string>

#include "app/number_text.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_user_locale.h"

namespace velkor::win32 {

struct LocaleFacts {
    std::string localeName;
    std::string decimalSeparator;
    std::string otherSeparator;
    std::array<std::string, 7> weekdayNames;  // Sunday first
    std::string christmasEve2026;             // 24 December 2026
    std::set<std::string> newYear2004;        // 1 January 2004: Wine and Windows differ
    std::string time180000;
    std::string time070509;
    std::string kilobytesOfAMillionBytes;  // 1000000 / 1024
};

extern const LocaleFacts kExpected;

namespace {

LocalDateTime Moment(int year, int month, int day, int hour, int minute, int second) {
    LocalDateTime t;
    t.year = year;
    t.month = month;
    t.day = day;
    t.hour = hour;
    t.minute = minute;
    t.second = second;
    return t;
}

TEST(UserLocaleOnWindows, TheTestRunsUnderItsLocale) {
    wchar_t name[LOCALE_NAME_MAX_LENGTH];
    ASSERT_GT(GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH), 0);
    EXPECT_EQ(Narrow(name), kExpected.localeName);
}

TEST(UserLocaleOnWindows, NumbersUseTheDecimalSeparator) {
    Win32UserLocale locale;
    const std::string separator = locale.DecimalSeparator();
    EXPECT_EQ(separator, kExpected.decimalSeparator);

    EXPECT_EQ(NumberToText(1000000 / 1024.0, separator), kExpected.kilobytesOfAMillionBytes);
    EXPECT_EQ(NumberFromText(kExpected.kilobytesOfAMillionBytes, separator), 976.5625);
    EXPECT_EQ(NumberFromText("976" + kExpected.otherSeparator + "5625", separator), std::nullopt);
    EXPECT_EQ(NumberToText(-1, separator), "-1");
}

TEST(UserLocaleOnWindows, WeekdayNames) {
    Win32UserLocale locale;
    for (int day = 0; day < 7; ++day)
        EXPECT_EQ(locale.WeekdayName(static_cast<Weekday>(day)), kExpected.weekdayNames[day]);
    EXPECT_EQ(locale.WeekdayName(static_cast<Weekday>(7)), std::nullopt);
}

TEST(UserLocaleOnWindows, DateAndTimeTexts) {
    Win32UserLocale locale;
    EXPECT_EQ(locale.ShortDateText(Moment(2026, 12, 24, 18, 0, 0)), kExpected.christmasEve2026);
    EXPECT_EQ(locale.TimeText(Moment(2026, 12, 24, 18, 0, 0)), kExpected.time180000);
    EXPECT_EQ(locale.TimeText(Moment(2004, 1, 1, 7, 5, 9)), kExpected.time070509);
    const auto newYear = locale.ShortDateText(Moment(2004, 1, 1, 7, 5, 9));
    ASSERT_TRUE(newYear.has_value());
    EXPECT_TRUE(kExpected.newYear2004.count(*newYear)) << *newYear;
}

TEST(UserLocaleOnWindows, AnInvalidDateOrTimeGivesNoText) {
    Win32UserLocale locale;
    EXPECT_EQ(locale.ShortDateText(Moment(2026, 13, 1, 0, 0, 0)), std::nullopt);
    EXPECT_EQ(locale.ShortDateText(Moment(2026, 2, 30, 0, 0, 0)), std::nullopt);
    EXPECT_EQ(locale.ShortDateText(Moment(-1, 1, 1, 0, 0, 0)), std::nullopt);
    EXPECT_EQ(locale.TimeText(Moment(2026, 2, 3, 24, 0, 0)), std::nullopt);
    EXPECT_EQ(locale.TimeText(Moment(2026, 2, 3, 12, 60, 0)), std::nullopt);
}

}  // namespace
}  // namespace velkor::win32
