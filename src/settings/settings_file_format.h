#pragma once
// The settings file: 27 lines of text, one value a line, each line ended by CR LF.
// Line 1 is a format tag; the previous version wrote 26 lines under another tag.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_record.h"

namespace velkor {

inline constexpr std::string_view kSettingsFileName = "VK8Settings.ini";
inline constexpr std::string_view kCurrentFormatTag = "09182819000081100092938191";
inline constexpr std::string_view kPreviousFormatTag = "09182819000081100092938190";
inline constexpr std::size_t kSettingsLineCount = 27;
inline constexpr std::size_t kPreviousSettingsLineCount = 26;

struct SettingsLine {
    std::string SettingsRecord::*field;
    std::string_view defaultValue;
    // Lines written with their default whatever the record holds: the tag and the two
    // section markers.
    bool alwaysWrittenAsDefault;
};

// The file's lines in order, with the field each one is read into.
extern const std::array<SettingsLine, kSettingsLineCount> kSettingsLines;

// Splits file text into lines. A line ends at CR or at a CR LF pair; a lone LF stays in the
// value; the last line may lack its terminator. At most `maxLines` lines are taken.
std::vector<std::string> SplitSettingsLines(std::string_view text, std::size_t maxLines);

// Assigns lines to the record's fields in file order, as far as there are lines (at most
// `lineCount` of them). Returns how many fields were assigned.
std::size_t AssignSettingsLines(const std::vector<std::string>& lines, std::size_t lineCount,
                                SettingsRecord& record);

// The whole file text for the record: the current tag on line 1, the section markers on
// lines 8 and 14, the record's fields elsewhere, every line ended by CR LF.
std::string FormatSettingsFile(const SettingsRecord& record);

// A record holding the default of every line.
SettingsRecord DefaultSettingsRecord();

}  // namespace velkor
