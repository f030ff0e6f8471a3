#pragma once
// The minute spinner beside the settings dialog's time box.
#include <optional>
#include <string>
#include <string_view>

namespace velkor {

// Reads a time of day as the user types it: hours and minutes, optionally seconds, separated
// by ":" ("7:5", "23:59:30"), optionally followed by AM or PM (12-hour clock), with blanks
// around. Returns the seconds since midnight, or nothing when the text is no time of day.
std::optional<int> SecondsOfDayFromText(std::string_view text);

// The time one minute later (up) or earlier, wrapping around midnight, as "hh:nn:ss";
// nothing when the text is no time of day.
std::optional<std::string> StepTimeByOneMinute(std::string_view text, bool up);

}  // namespace velkor
