// The user locale under English (US) (the test runs with LC_ALL=en_US.UTF-8).
#include "user_locale_checks.h"

namespace velkor::win32 {

const LocaleFacts kExpected = {
    "en-US",      ".",
    ",",          {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
    "12/24/2026", {"1/1/2004"},
    "6:00:00 PM", "7:05:09 AM",
    "976.5625",
};

}  // namespace velkor::win32
