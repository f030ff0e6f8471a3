#pragma once
// All settings of the program, held as text exactly as read from or written to the settings
// file: nothing is trimmed or converted. Flags are "1" (on) and "0" (off).
#include <string>

namespace velkor {

struct SettingsRecord {
    std::string Magic;  // format tag of the file that was read
    std::string ActShutdown;
    std::string ActReboot;
    std::string ActLogoff;
    std::string ActStandby;
    std::string ActHangUp;
    std::string ActRunProgram;
    std::string SectionMarker1;  // line 8: read and ignored, always written as "0021"
    std::string TrigCpu;
    std::string TrigRam;
    std::string TrigTime;
    std::string TrigDate;
    std::string TrigWeekday;
    std::string SectionMarker2;  // line 14: read and ignored, always written as "0031"
    std::string OptTwoColour;
    std::string OptTimerAtStart;
    std::string OptHangUpFirst;
    std::string Marker42;
    std::string TimeValue;
    std::string DateValue;
    std::string WeekdayValue;
    std::string CpuPercent;
    std::string CpuSeconds;
    std::string RamKB;
    std::string ProgramPath;
    std::string OptKeepTimerOn;
    std::string OptStartMinimized;

    friend bool operator==(const SettingsRecord&, const SettingsRecord&) = default;
};

}  // namespace velkor
