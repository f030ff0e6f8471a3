#include "settings/settings_checks.h"

#include <algorithm>
#include <utility>

namespace velkor {
namespace {

// The pairs that may not be checked together.
constexpr std::pair<TriggerBox, TriggerBox> kRefusedPairs[] = {
    {kTriggerCpu, kTriggerRam},     {kTriggerCpu, kTriggerTime},  {kTriggerCpu, kTriggerDate},
    {kTriggerCpu, kTriggerWeekday}, {kTriggerRam, kTriggerTime},  {kTriggerRam, kTriggerDate},
    {kTriggerRam, kTriggerWeekday}, {kTriggerDate, kTriggerWeekday},
};

}  // namespace

bool TriggersAllowed(const TriggerChoice& checked) {
    return std::none_of(std::begin(kRefusedPairs), std::end(kRefusedPairs),
                        [&](const auto& pair) { return checked[pair.first] && checked[pair.second]; });
}

bool ActionsAllowed(const ActionChoice& checked) {
    return std::count(checked.begin(), checked.end(), true) <= 1;
}

}  // namespace velkor
