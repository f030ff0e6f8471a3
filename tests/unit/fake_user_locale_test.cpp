// The test locales write what Windows writes (the Windows tests check the same moments), so
// that tests of the displays and triggers built on them hold on Windows too.
#include "fake_user_locale.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "fake_clock.h"

namespace velkor {
namespace {

TEST(FakeUserLocale, WritesAsWindowsDoes) {
    fakes::FakeClock clock;
    const struct {
        fakes::FakeUserLocale locale;
        const char* separator;
        const char* christmasEve;
        const char* evening;
        const char* thursday;
        const char* newYear;
        const char* morning;
    } cases[] = {
        {fakes::FakeUserLocale::German(), ",", "24.12.2026", "18:00:00", "Donnerstag", "01.01.2004",
         "07:05:09"},
        {fakes::FakeUserLocale::EnglishUs(), ".", "12/24/2026", "6:00:00 PM", "Thursday",
         "1/1/2004", "7:05:09 AM"},
    };
    for (auto c : cases) {
        EXPECT_EQ(c.locale.DecimalSeparator(), c.separator);
        clock.SetLocal(2026, 12, 24, 18, 0, 0);
        LocalDateTime now = clock.LocalNow();
        EXPECT_EQ(c.locale.ShortDateText(now), c.christmasEve);
        EXPECT_EQ(c.locale.TimeText(now), c.evening);
        EXPECT_EQ(c.locale.WeekdayName(now.weekday), c.thursday);
        clock.SetLocal(2004, 1, 1, 7, 5, 9);
        now = clock.LocalNow();
        EXPECT_EQ(c.locale.ShortDateText(now), c.newYear);
        EXPECT_EQ(c.locale.TimeText(now), c.morning);

        now.day = 30;
        now.month = 2;
        EXPECT_EQ(c.locale.ShortDateText(now), std::nullopt);
        c.locale.fails = true;
        EXPECT_EQ(c.locale.WeekdayName(Weekday::Monday), std::nullopt);
        EXPECT_EQ(c.locale.TimeText(clock.LocalNow()), std::nullopt);
    }
}

}  // namespace
}  // namespace velkor
