#pragma once
// Which field of the settings record each check box of the settings dialog stands for, in
// the order the dialog loads and stores them.
#include <array>
#include <string>
#include <string_view>

#include "settings/settings_record.h"

namespace velkor {

struct CheckBoxField {
    std::string_view name;
    std::string SettingsRecord::*field;
};

inline constexpr std::array<CheckBoxField, 16> kCheckBoxFields = {{
    {"Check1(0)", &SettingsRecord::ActShutdown},
    {"Check1(1)", &SettingsRecord::ActReboot},
    {"Check1(2)", &SettingsRecord::ActLogoff},
    {"Check1(3)", &SettingsRecord::ActStandby},
    {"Check1(4)", &SettingsRecord::ActHangUp},
    {"Check1(5)", &SettingsRecord::ActRunProgram},
    {"Check2(0)", &SettingsRecord::TrigCpu},
    {"Check2(1)", &SettingsRecord::TrigRam},
    {"Check2(2)", &SettingsRecord::TrigTime},
    {"Check2(3)", &SettingsRecord::TrigDate},
    {"Check2(4)", &SettingsRecord::TrigWeekday},
    {"Check3(0)", &SettingsRecord::OptTwoColour},
    {"Check3(1)", &SettingsRecord::OptTimerAtStart},
    {"Check3(2)", &SettingsRecord::OptHangUpFirst},
    {"Check3(3)", &SettingsRecord::OptKeepTimerOn},
    {"Check3(4)", &SettingsRecord::OptStartMinimized},
}};

}  // namespace velkor
