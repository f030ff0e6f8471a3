#pragma once
// Conversion of the previous version's 26-line settings file into the current format.
#include "platform/ansi_codec.h"
#include "platform/file_system.h"
#include "settings/settings_record.h"
#include "settings/settings_store.h"

namespace velkor {

enum class UpgradeOutcome {
    Converted,
    Unreadable,   // missing, unreadable or shorter than 26 lines: nothing written
    WriteFailed,  // read, but the converted file could not be written
};

struct UpgradeResult {
    UpgradeOutcome outcome = UpgradeOutcome::Converted;
    IoStatus written;  // the failure when the outcome is WriteFailed
};

// Reads lines 1 to 26 into the record as LoadSettings does (a 27th line is not read), sets
// OptStartMinimized to "0" and writes the file in the current format, without a message.
UpgradeResult ConvertPreviousSettingsFile(SettingsStore& store, FileSystem& files, AnsiCodec& codec,
                                          SettingsRecord& record);

}  // namespace velkor
