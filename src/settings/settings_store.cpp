#include "settings/settings_store.h"

#include "app/app_info.h"
#include "settings/settings_file_format.h"

namespace velkor {

std::string WithTrailingBackslash(std::string path) {
    if (path.empty() || path.back() != '\\') path += '\\';
    return path;
}

SettingsStore::SettingsStore(SystemFolders& folders, FileSystem& files, AnsiCodec& codec,
                             MessageBoxes& messages)
    : folders_(folders), files_(files), codec_(codec), messages_(messages) {}

const std::string& SettingsStore::SettingsFilePath() {
    if (!folder_) folder_ = ChooseSettingsFolder();
    return *folder_;
}

std::string SettingsStore::ChooseSettingsFolder() {
    const std::string systemFolder = WithTrailingBackslash(folders_.SystemDirectory());
    const std::string systemFile = systemFolder + std::string(kFileName);
    writable_ = files_.CanReplace(systemFile);
    if (*writable_) return systemFolder;

    // Only administrators may write the system directory on current Windows; without this
    // fallback every save would fail and every start would be a first start.
    const std::string appData = folders_.UserAppDataDirectory();
    if (appData.empty()) return systemFolder;
    const std::string userFolder = WithTrailingBackslash(appData) + "Velkor\\";
    if (!files_.CreateDirectories(userFolder).ok()) return systemFolder;

    const std::string userFile = userFolder + std::string(kFileName);
    if (!files_.Exists(userFile) && files_.Exists(systemFile)) {
        // Keep the settings that an earlier run (or an administrator) stored. When the copy
        // fails the next start is a first start, which is all that can be done.
        (void)files_.CopyNew(systemFile, userFile);
    }
    writable_ = files_.CanReplace(userFile);
    return userFolder;
}

bool SettingsStore::SettingsWritable() {
    SettingsFilePath();
    return writable_.value_or(false);
}

StartupDecision SettingsStore::LoadSettings(SettingsRecord& record) {
    bool complete = false;
    if (const auto bytes = files_.ReadAll(SettingsFileFullPath())) {
        const auto lines = SplitSettingsLines(codec_.AnsiToUtf8(*bytes), kSettingsLineCount);
        complete = AssignSettingsLines(lines, kSettingsLineCount, record) == kSettingsLineCount;
    }
    if (complete && record.Magic == kCurrentFormatTag) return StartupDecision::Continue;
    if (record.Magic == kPreviousFormatTag) return StartupDecision::Upgrade;
    return StartupDecision::FirstStart;
}

IoStatus SettingsStore::WriteSettingsFile(const SettingsRecord& record) {
    return files_.ReplaceAtomically(SettingsFileFullPath(),
                              codec_.Utf8ToAnsi(FormatSettingsFile(record)));
}

IoStatus SettingsStore::SaveSettings(const SettingsRecord& record) {
    IoStatus status = WriteSettingsFile(record);
    if (status.ok()) messages_.Show("Alle daten Gespeichert.", kAppTitle, MessageIcon::Information);
    return status;
}

IoStatus SettingsStore::WriteDefaultSettings() {
    return WriteSettingsFile(DefaultSettingsRecord());
}

}  // namespace velkor
