#include "settings/time_spinner.h"

#include <cctype>
#include <cstdio>
#include <vector>

namespace velkor {
namespace {

constexpr int kSecondsPerDay = 24 * 60 * 60;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size()) return false;
    const std::string_view tail = text.substr(text.size() - suffix.size());
    for (std::size_t i = 0; i < suffix.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(tail[i])) != suffix[i]) return false;
    return true;
}

// One to two digits.
std::optional<int> Field(std::string_view digits) {
    if (digits.empty() || digits.size() > 2) return std::nullopt;
    int value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

std::optional<int> SecondsOfDayFromText(std::string_view text) {
    text = TrimBlanks(text);
    int hourShift = -1;  // -1: 24-hour clock; 0 AM, 12 PM
    if (EndsWithNoCase(text, "AM") || EndsWithNoCase(text, "PM")) {
        hourShift = EndsWithNoCase(text, "PM") ? 12 : 0;
        text = TrimBlanks(text.substr(0, text.size() - 2));
    }
    std::vector<std::string_view> parts;
    for (;;) {
        const auto colon = text.find(':');
        parts.push_back(text.substr(0, colon));
        if (colon == std::string_view::npos) break;
        text.remove_prefix(colon + 1);
    }
    if (parts.size() < 2 || parts.size() > 3) return std::nullopt;
    const auto hour = Field(parts[0]);
    const auto minute = Field(parts[1]);
    const auto second = parts.size() == 3 ? Field(parts[2]) : std::optional<int>(0);
    if (!hour || !minute || !second || *minute > 59 || *second > 59) return std::nullopt;
    int hours = *hour;
    if (hourShift >= 0) {
        if (hours < 1 || hours > 12) return std::nullopt;
        hours = hours % 12 + hourShift;
    } else if (hours > 23) {
        return std::nullopt;
    }
    return (hours * 60 + *minute) * 60 + *second;
}

std::optional<std::string> StepTimeByOneMinute(std::string_view text, bool up) {
    const auto seconds = SecondsOfDayFromText(text);
    if (!seconds) return std::nullopt;
    const int stepped =
        ((*seconds + (up ? 60 : -60)) % kSecondsPerDay + kSecondsPerDay) % kSecondsPerDay;
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", stepped / 3600, stepped / 60 % 60,
                  stepped % 60);
    return std::string(buffer);
}

}  // namespace velkor
