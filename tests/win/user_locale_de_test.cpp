// The user locale under German (the test runs with LC_ALL=de_DE.UTF-8).
#include "user_locale_checks.h"

namespace velkor::win32 {

const LocaleFacts kExpected = {
    "de-DE",
    ",",
    ".",
    {"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"},
    "24.12.2026",
    {"1.1.2004", "01.01.2004"},  // Wine's de-DE short date is d.M.yyyy, Windows' dd.MM.yyyy
    "18:00:00",
    "07:05:09",
    "976,5625",
};

}  // namespace velkor::win32
