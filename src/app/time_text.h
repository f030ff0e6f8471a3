#pragma once
// The clock time as the triggers compare it, whatever the user's locale.
#include <string>

#include "platform/clock.h"

namespace velkor {

// "hh:mm:ss": 24-hour clock, two digits each (five past seven and nine seconds is "07:05:09").
// Fields outside 0-99 are held to that range, so the text always has eight characters.
std::string CurrentTimeText(const LocalDateTime& now);

}  // namespace velkor
