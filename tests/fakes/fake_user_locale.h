#pragma once
// The two user locales the tests run under, as Windows writes them:
// German "," / dd.MM.yyyy / HH:mm:ss / Montag..., English (US) "." / M/d/yyyy / h:mm:ss tt /
// Monday.... Setting `fails` makes every text a failure and the separator ".", as an
// unreadable locale would.
#include <array>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>

#include "platform/user_locale.h"

namespace velkor::fakes {

class FakeUserLocale : public UserLocale {
public:
    bool fails = false;

    static FakeUserLocale German() {
        return FakeUserLocale(
            ",", true,
            {"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"});
    }
    static FakeUserLocale EnglishUs() {
        return FakeUserLocale(
            ".", false,
            {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"});
    }

    std::string DecimalSeparator() override { return fails ? "." : separator_; }

    std::optional<std::string> ShortDateText(const LocalDateTime& when) override {
        if (fails || !ValidDate(when)) return std::nullopt;
        if (german_) return Print("%02d.%02d.%04d", when.day, when.month, when.year);
        return Print("%d/%d/%04d", when.month, when.day, when.year);
    }

    std::optional<std::string> TimeText(const LocalDateTime& when) override {
        if (fails || !ValidTime(when)) return std::nullopt;
        if (german_) return Print("%02d:%02d:%02d", when.hour, when.minute, when.second);
        const int hour12 = when.hour % 12 == 0 ? 12 : when.hour % 12;
        return Print("%d:%02d:%02d ", hour12, when.minute, when.second) +
               (when.hour < 12 ? "AM" : "PM");
    }

    std::optional<std::string> WeekdayName(Weekday day) override {
        const auto index = static_cast<std::size_t>(day);
        if (fails || index >= names_.size()) return std::nullopt;
        return names_[index];
    }

private:
    FakeUserLocale(std::string separator, bool german, std::array<std::string, 7> names)
        : separator_(std::move(separator)), german_(german), names_(std::move(names)) {}

    static bool ValidDate(const LocalDateTime& t) {
        using namespace std::chrono;
        return t.year >= 1601 && t.year <= 30827 && t.month >= 1 && t.day >= 1 &&
               year_month_day{year{t.year} / month{static_cast<unsigned>(t.month)} /
                              day{static_cast<unsigned>(t.day)}}
                   .ok();
    }
    static bool ValidTime(const LocalDateTime& t) {
        return t.hour >= 0 && t.hour < 24 && t.minute >= 0 && t.minute < 60 && t.second >= 0 &&
               t.second < 60;
    }
    template <typename... Args>
    static std::string Print(const char* format, Args... args) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, format, args...);
        return buffer;
    }

    std::string separator_;
    bool german_;
    std::array<std::string, 7> names_;
};

}  // namespace velkor::fakes
