#include "app/missed_second.h"

#include <chrono>
#include <optional>

namespace velkor {
namespace {

constexpr std::int64_t kSecondsPerDay = 86'400;
constexpr std::int64_t kLongestGapMs = 60'000;

// The second of the day that an exact "hh:mm:ss" text names.
std::optional<std::int64_t> SecondOfDay(std::string_view text) {
    if (text.size() != 8 || text[2] != ':' || text[5] != ':') return std::nullopt;
    std::int64_t fields[3];
    for (int i = 0; i < 3; ++i) {
        const char tens = text[static_cast<std::size_t>(i * 3)];
        const char ones = text[static_cast<std::size_t>(i * 3 + 1)];
        if (tens < '0' || tens > '9' || ones < '0' || ones > '9') return std::nullopt;
        fields[i] = (tens - '0') * 10 + (ones - '0');
    }
    if (fields[0] > 23 || fields[1] > 59 || fields[2] > 59) return std::nullopt;
    return fields[0] * 3600 + fields[1] * 60 + fields[2];
}

// Whole seconds of the wall clock on a continuous count, and the milliseconds into that second.
std::int64_t WallSeconds(const LocalDateTime& t) {
    using namespace std::chrono;
    const sys_days date{year{t.year} / month{static_cast<unsigned>(t.month)} /
                        day{static_cast<unsigned>(t.day)}};
    return static_cast<std::int64_t>(date.time_since_epoch().count()) * kSecondsPerDay +
           t.hour * 3600 + t.minute * 60 + t.second;
}

}  // namespace

bool MissedTargetSecond(const TickMoment& previous, const TickMoment& now,
                        std::string_view timeValue) {
    const std::optional<std::int64_t> target = SecondOfDay(timeValue);
    if (!target) return false;
    if (now.tickCountMs < previous.tickCountMs ||
        now.tickCountMs - previous.tickCountMs >= static_cast<std::uint64_t>(kLongestGapMs))
        return false;

    const std::int64_t before = WallSeconds(previous.local);
    const std::int64_t after = WallSeconds(now.local);
    const std::int64_t wallGapMs =
        (after - before) * 1000 + now.local.millisecond - previous.local.millisecond;
    if (wallGapMs <= 0 || wallGapMs >= kLongestGapMs) return false;

    // The first second after `before` that falls on the target time of day.
    const std::int64_t first = before + 1;
    const std::int64_t offset =
        ((*target - first % kSecondsPerDay) % kSecondsPerDay + kSecondsPerDay) % kSecondsPerDay;
    return first + offset < after;
}

}  // namespace velkor
