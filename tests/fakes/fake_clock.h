#pragma once
// A clock that tests set to any local date and time and step by hand. The tick count and the
// wall clock move together on Advance; SetLocal moves only the wall clock, as a clock change
// does.
#include <chrono>
#include <cstdint>

#include "platform/clock.h"

namespace velkor::fakes {

class FakeClock : public Clock {
public:
    std::uint64_t tickCountMs = 1'000'000;

    FakeClock() { SetLocal(2004, 1, 1); }

    // The weekday follows from the date.
    void SetLocal(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                  int millisecond = 0) {
        using namespace std::chrono;
        const sys_days date{std::chrono::year{year} / month / day};
        local_ = date + hours{hour} + minutes{minute} + seconds{second} + milliseconds{millisecond};
    }

    void Advance(std::uint64_t ms) {
        tickCountMs += ms;
        local_ += std::chrono::milliseconds{ms};
    }

    LocalDateTime LocalNow() override {
        using namespace std::chrono;
        const sys_days date = floor<days>(local_);
        const year_month_day ymd{date};
        const hh_mm_ss time{local_ - date};
        LocalDateTime now;
        now.year = static_cast<int>(ymd.year());
        now.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
        now.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
        now.weekday = static_cast<Weekday>(weekday{date}.c_encoding());
        now.hour = static_cast<int>(time.hours().count());
        now.minute = static_cast<int>(time.minutes().count());
        now.second = static_cast<int>(time.seconds().count());
        now.millisecond = static_cast<int>(time.subseconds().count());
        return now;
    }

    std::uint64_t TickCountMs() override { return tickCountMs; }

private:
    std::chrono::sys_time<std::chrono::milliseconds> local_;
};

}  // namespace velkor::fakes
