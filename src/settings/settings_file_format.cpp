#include "settings/settings_file_format.h"

#include <algorithm>

namespace velkor {

using R = SettingsRecord;

const std::array<SettingsLine, kSettingsLineCount> kSettingsLines = {{
    {&R::Magic, kCurrentFormatTag, true},
    {&R::ActShutdown, "1", false},
    {&R::ActReboot, "0", false},
    {&R::ActLogoff, "0", false},
    {&R::ActStandby, "0", false},
    {&R::ActHangUp, "0", false},
    {&R::ActRunProgram, "0", false},
    {&R::SectionMarker1, "0021", true},
    {&R::TrigCpu, "0", false},
    {&R::TrigRam, "0", false},
    {&R::TrigTime, "1", false},
    {&R::TrigDate, "0", false},
    {&R::TrigWeekday, "0", false},
    {&R::SectionMarker2, "0031", true},
    {&R::OptTwoColour, "1", false},
    {&R::OptTimerAtStart, "0", false},
    {&R::OptHangUpFirst, "1", false},
    {&R::Marker42, "0042", false},
    {&R::TimeValue, "00:00:00", false},
    {&R::DateValue, "01.01.2004", false},
    {&R::WeekdayValue, "Montag", false},
    {&R::CpuPercent, "20", false},
    {&R::CpuSeconds, "100", false},
    {&R::RamKB, "4000", false},
    {&R::ProgramPath, "C:\\", false},
    {&R::OptKeepTimerOn, "0", false},
    {&R::OptStartMinimized, "0", false},
}};

std::vector<std::string> SplitSettingsLines(std::string_view text, std::size_t maxLines) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size() && lines.size() < maxLines) {
        const std::size_t cr = text.find('\r', pos);
        if (cr == std::string_view::npos) {
            lines.emplace_back(text.substr(pos));  // last line without terminator
            break;
        }
        lines.emplace_back(text.substr(pos, cr - pos));
        pos = cr + 1;
        if (pos < text.size() && text[pos] == '\n') ++pos;
    }
    return lines;
}

std::size_t AssignSettingsLines(const std::vector<std::string>& lines, std::size_t lineCount,
                                SettingsRecord& record) {
    const std::size_t count = std::min({lines.size(), lineCount, kSettingsLines.size()});
    for (std::size_t i = 0; i < count; ++i) record.*kSettingsLines[i].field = lines[i];
    return count;
}

std::string FormatSettingsFile(const SettingsRecord& record) {
    std::string text;
    text.reserve(256);
    for (const SettingsLine& line : kSettingsLines) {
        if (line.alwaysWrittenAsDefault)
            text += line.defaultValue;
        else
            text += record.*line.field;
        text += "\r\n";
    }
    return text;
}

SettingsRecord DefaultSettingsRecord() {
    SettingsRecord record;
    for (const SettingsLine& line : kSettingsLines) record.*line.field = line.defaultValue;
    return record;
}

}  // namespace velkor
