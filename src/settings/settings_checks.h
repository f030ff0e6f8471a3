#pragma once
// The combinations of triggers and actions that the settings dialog accepts.
#include <array>
#include <string_view>

namespace velkor {

// The five triggers in the order of their boxes.
enum TriggerBox { kTriggerCpu, kTriggerRam, kTriggerTime, kTriggerDate, kTriggerWeekday };
using TriggerChoice = std::array<bool, 5>;
using ActionChoice = std::array<bool, 6>;

// Accepted: no trigger, any single one, time with date, time with weekday.
bool TriggersAllowed(const TriggerChoice& checked);
// Accepted: at most one action.
bool ActionsAllowed(const ActionChoice& checked);

inline constexpr std::string_view kTriggersRefusedText =
    "Einstellung nicht M\xC3\xB6glich.\r\nM\xC3\xB6glich\r\nCPU\r\nRAM\r\nUHR & DATUM\r\n"
    "UHR & Wochentag";
inline constexpr std::string_view kActionsRefusedText =
    "Sie k\xC3\xB6nnen nur eine Aktion ausw\xC3\xA4hlen!";

}  // namespace velkor
