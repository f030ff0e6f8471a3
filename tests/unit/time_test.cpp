// The trigger's time text, the test clock, and pauses measured on the monotonic count.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "app/pause.h"
#include "app/time_text.h"
#include "fake_clock.h"

namespace velkor {
namespace {

LocalDateTime At(int hour, int minute, int second, int millisecond = 0) {
    LocalDateTime t;
    t.year = 2026;
    t.month = 12;
    t.day = 24;
    t.hour = hour;
    t.minute = minute;
    t.second = second;
    t.millisecond = millisecond;
    return t;
}

TEST(CurrentTimeText, TwoDigitsEachOnTheTwentyFourHourClock) {
    const struct {
        LocalDateTime time;
        const char* expected;
    } cases[] = {
        {At(7, 5, 9), "07:05:09"},     {At(0, 0, 0), "00:00:00"},
        {At(18, 0, 0), "18:00:00"},    {At(23, 59, 59, 999), "23:59:59"},
        {At(-1, 100, 60), "00:99:60"},  // held to two digits, never longer
    };
    for (const auto& c : cases) EXPECT_EQ(CurrentTimeText(c.time), c.expected);
}

TEST(FakeClock, StepsAcrossMidnightAndTheYearWithTheWeekday) {
    fakes::FakeClock clock;
    clock.SetLocal(2026, 12, 24, 18, 0, 0);
    EXPECT_EQ(clock.LocalNow().weekday, Weekday::Thursday);

    clock.SetLocal(2026, 12, 31, 23, 59, 59, 900);
    const std::uint64_t ticks = clock.TickCountMs();
    clock.Advance(250);
    const LocalDateTime now = clock.LocalNow();
    EXPECT_EQ((std::vector<int>{now.year, now.month, now.day, now.hour, now.minute, now.second,
                                now.millisecond}),
              (std::vector<int>{2027, 1, 1, 0, 0, 0, 150}));
    EXPECT_EQ(now.weekday, Weekday::Friday);
    EXPECT_EQ(clock.TickCountMs() - ticks, 250u);
}

// A pump that lets `stepMs` pass per call, as a message loop waiting for the next message does.
struct SteppingPump {
    fakes::FakeClock& clock;
    std::uint64_t stepMs;
    std::vector<std::uint32_t> waits;
    void operator()(std::uint32_t maxWaitMs) {
        waits.push_back(maxWaitMs);
        clock.Advance(stepMs);
    }
};

TEST(Pause, LastsItsTimeAndNeverAsksToWaitLonger) {
    fakes::FakeClock clock;
    SteppingPump pump{clock, 20, {}};
    const std::uint64_t start = clock.TickCountMs();

    Pause(0.05, clock, std::ref(pump));

    EXPECT_EQ(clock.TickCountMs() - start, 60u);  // the first tick at or after 50 ms
    EXPECT_EQ(pump.waits, (std::vector<std::uint32_t>{50, 30, 10}));
}

TEST(Pause, SpanningMidnightAndAClockChangeLastsOnlyItsTime) {
    fakes::FakeClock clock;
    clock.SetLocal(2026, 12, 31, 23, 59, 59);
    std::uint64_t elapsed = 0;
    int calls = 0;
    const std::uint64_t start = clock.TickCountMs();

    Pause(3, clock, [&](std::uint32_t) {
        clock.Advance(100);
        if (++calls == 5) clock.SetLocal(2026, 12, 31, 23, 0, 0);  // clock set back an hour
        elapsed = clock.TickCountMs() - start;
    });

    EXPECT_EQ(elapsed, 3000u);
    EXPECT_EQ(calls, 30);
}

TEST(Pause, NothingToWaitForReturnsAtOnce) {
    fakes::FakeClock clock;
    for (double seconds : {0.0, -1.0, 0.0004, std::nan("")}) {
        int calls = 0;
        Pause(seconds, clock, [&](std::uint32_t) { ++calls; });
        EXPECT_EQ(calls, 0) << seconds;
    }
}

}  // namespace
}  // namespace velkor
