// Loading the settings dialog from the settings record, and the minute spinner.
#include "app/number_text.h"
#include "app/program.h"
#include "settings/prg_settings.h"
#include "settings/settings_file_format.h"
#include "settings/settings_record_map.h"
#include "settings/time_spinner.h"

namespace velkor {
namespace {

constexpr std::string_view kWeekdays[] = {"Montag",  "Dienstag", "Mittwoch", "Donnerstag",
                                          "Freitag", "Samstag",  "Sonntag"};
constexpr std::string_view kSpinnerResetting = "NoAction";

}  // namespace

void PrgSettings::Form_Load() {
    for (std::string_view day : kWeekdays) List1.AddItem(std::string(day));

    const std::string separator = program_.platform.locale.DecimalSeparator();
    // Not measured yet, the design text stays.
    if (const auto bytes = NumberFromText(program_.FreeRamBytes, separator))
        Text3.SetText(NumberToText(*bytes / 1024, separator));

    if (program_.settings.Magic == kCurrentFormatTag) FillFromRecord();

    // The spinner rests at 0 between -1 (upper arrow) and 1 (lower arrow); its table range.
    VScroll1.SetValue(0);
}

void PrgSettings::FillFromRecord() {
    const SettingsRecord& settings = program_.settings;
    const std::string separator = program_.platform.locale.DecimalSeparator();
    for (const CheckBoxField& box : kCheckBoxFields) {
        // Read as a number: " 1" checks the box too; text that is no number leaves it clear.
        const auto number = NumberFromText(settings.*box.field, separator);
        control(box.name).SetValue(number == 1.0 ? 1 : 0);
    }
    Text6.SetText(settings.TimeValue);
    Text5.SetText(settings.DateValue);
    int weekday = -1;
    for (std::size_t i = 0; i < List1.Items().size(); ++i)
        if (List1.Items()[i] == settings.WeekdayValue) weekday = static_cast<int>(i);
    List1.SetListIndex(weekday);
    Text1.SetText(settings.CpuPercent);
    Text2.SetText(settings.CpuSeconds);
    Text3.SetText(settings.RamKB);
    Text4.SetText(settings.ProgramPath);
}

void PrgSettings::VScroll1_Change() {
    if (VScroll1.tag != kSpinnerResetting) {
        // A time the box cannot be read as stays as it is; the spinner still comes to rest.
        if (const auto stepped = StepTimeByOneMinute(Text6.Text(), VScroll1.Value() < 0))
            Text6.SetText(*stepped);
        VScroll1.tag = kSpinnerResetting;
        VScroll1.SetValue(0);  // raises this event once more, which only clears the tag
    }
    VScroll1.tag.clear();
}

}  // namespace velkor
