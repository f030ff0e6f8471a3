// The Win32 clock: local time as the C runtime sees it too, and a millisecond tick count.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <ctime>

#include "platform/win32/win32_clock.h"

namespace velkor::win32 {
namespace {

TEST(ClockOnWindows, LocalNowIsTheLocalTimeWithItsWeekday) {
    Win32Clock clock;
    const std::time_t before = std::time(nullptr);
    const LocalDateTime now = clock.LocalNow();
    const std::time_t after = std::time(nullptr);

    std::tm fields = {};
    fields.tm_year = now.year - 1900;
    fields.tm_mon = now.month - 1;
    fields.tm_mday = now.day;
    fields.tm_hour = now.hour;
    fields.tm_min = now.minute;
    fields.tm_sec = now.second;
    fields.tm_isdst = -1;
    const std::time_t seconds = std::mktime(&fields);
    EXPECT_GE(seconds, before - 1);
    EXPECT_LE(seconds, after + 1);
    EXPECT_GE(now.millisecond, 0);
    EXPECT_LE(now.millisecond, 999);

    using namespace std::chrono;
    const weekday day{sys_days{year{now.year} / now.month / now.day}};
    EXPECT_EQ(static_cast<unsigned>(now.weekday), day.c_encoding());
}

TEST(ClockOnWindows, TickCountCountsMilliseconds) {
    Win32Clock clock;
    const std::uint64_t start = clock.TickCountMs();
    Sleep(200);
    const std::uint64_t elapsed = clock.TickCountMs() - start;
    EXPECT_GE(elapsed, 150u);
    EXPECT_LT(elapsed, 10'000u);  // milliseconds, not some finer unit
}

}  // namespace
}  // namespace velkor::win32
