#pragma once
// Reading and writing the settings file, and the start-up decision taken from it.
#include <optional>
#include <string>

#include "platform/ansi_codec.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/system_folders.h"
#include "settings/settings_file_format.h"
#include "settings/settings_record.h"
#include "settings/startup_decision.h"

namespace velkor {

class SettingsStore {
public:
    SettingsStore(SystemFolders& folders, FileSystem& files, AnsiCodec& codec,
                  MessageBoxes& messages);

    // The folder that holds the settings file, ending in "\". The system directory when the
    // file there can be written; otherwise the per-user folder %APPDATA%\Velkor\, seeded with
    // a copy of the system directory's file when it has none yet. Decided once per run.
    const std::string& SettingsFilePath();
    std::string SettingsFileFullPath() { return SettingsFilePath() + std::string(kFileName); }
    // Whether a save can replace the file in that folder; when neither folder can take it,
    // the program runs on what it read and every save fails.
    bool SettingsWritable();

    // Reads the file into the record (fields read before a failure keep their new values)
    // and decides from its first line how start-up goes on.
    StartupDecision LoadSettings(SettingsRecord& record);

    // Writes the record and, when that worked, confirms with "Alle daten Gespeichert.".
    IoStatus SaveSettings(const SettingsRecord& record);

    // Replaces the file with the default settings. The record is not changed.
    IoStatus WriteDefaultSettings();

    // Writes the record in the current format, without any message.
    IoStatus WriteSettingsFile(const SettingsRecord& record);

private:
    static constexpr std::string_view kFileName = kSettingsFileName;
    std::string ChooseSettingsFolder();

    SystemFolders& folders_;
    FileSystem& files_;
    AnsiCodec& codec_;
    MessageBoxes& messages_;
    std::optional<std::string> folder_;
    std::optional<bool> writable_;
};

// Appends "\" unless the path already ends in one.
std::string WithTrailingBackslash(std::string path);

}  // namespace velkor
