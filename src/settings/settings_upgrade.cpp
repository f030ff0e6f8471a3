#include "settings/settings_upgrade.h"

#include "settings/settings_file_format.h"

namespace velkor {

UpgradeResult ConvertPreviousSettingsFile(SettingsStore& store, FileSystem& files, AnsiCodec& codec,
                                          SettingsRecord& record) {
    const auto bytes = files.ReadAll(store.SettingsFileFullPath());
    if (!bytes) return {UpgradeOutcome::Unreadable, IoStatus::Success()};
    const auto lines = SplitSettingsLines(codec.AnsiToUtf8(*bytes), kPreviousSettingsLineCount);
    if (AssignSettingsLines(lines, kPreviousSettingsLineCount, record) < kPreviousSettingsLineCount)
        return {UpgradeOutcome::Unreadable, IoStatus::Success()};

    record.OptStartMinimized = "0";
    IoStatus written = store.WriteSettingsFile(record);
    if (!written.ok()) return {UpgradeOutcome::WriteFailed, std::move(written)};
    return {UpgradeOutcome::Converted, IoStatus::Success()};
}

}  // namespace velkor
