// Saving the settings dialog: the combination checks, the copy into the settings record, the
// file, and the main window's look.
#include "app/app_info.h"
#include "app/program.h"
#include "settings/prg_settings.h"
#include "settings/settings_checks.h"
#include "settings/settings_messages.h"
#include "settings/settings_record_map.h"

namespace velkor {
namespace {

bool Checked(const Control& box) { return box.Value() == 1; }  // grey counts as clear

}  // namespace

void PrgSettings::Command1_Click() {
    MessageBoxes& messages = program_.platform.messages;
    TriggerChoice triggers{};
    for (std::size_t i = 0; i < Check2.size(); ++i) triggers[i] = Checked(*Check2[i]);
    if (!TriggersAllowed(triggers)) {
        messages.Show(kTriggersRefusedText, kAppTitle, MessageIcon::Stop);
        return;
    }
    ActionChoice actions{};
    for (std::size_t i = 0; i < Check1.size(); ++i) actions[i] = Checked(*Check1[i]);
    if (!ActionsAllowed(actions)) {
        messages.Show(kActionsRefusedText, kAppTitle, MessageIcon::Stop);
        return;
    }

    CopyIntoRecord();
    const IoStatus saved = program_.store.SaveSettings(program_.settings);
    if (!saved.ok()) {
        // Stay open, so the user can try again (or leave without saving).
        messages.Show(SettingsWriteFailedText(saved), kAppTitle, MessageIcon::Stop);
        return;
    }

    Forms& forms = program_.forms;
    if (program_.settings.OptTwoColour == "1") {
        program_.main.PaintTwoColourBackground();
    } else {
        // Back in its plain colour, with every start-up decision taken anew. This also closes
        // this dialog.
        forms.Unload(program_.main);
        forms.Show(program_.main);
    }
    forms.Unload(*this);
}

void PrgSettings::CopyIntoRecord() {
    SettingsRecord& settings = program_.settings;
    for (const CheckBoxField& box : kCheckBoxFields)
        settings.*box.field = Checked(control(box.name)) ? "1" : "0";
    settings.TimeValue = Text6.Text();
    settings.DateValue = Text5.Text();
    settings.WeekdayValue = List1.SelectedItem();
    settings.CpuPercent = Text1.Text();
    settings.CpuSeconds = Text2.Text();
    settings.RamKB = Text3.Text();
    settings.ProgramPath = Text4.Text();
}

void PrgSettings::Command2_Click() { program_.forms.Unload(*this); }

}  // namespace velkor
