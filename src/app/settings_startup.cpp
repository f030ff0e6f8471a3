#include "app/settings_startup.h"

#include "app/app_info.h"
#include "settings/settings_file_format.h"
#include "settings/settings_messages.h"

namespace velkor {

StartupDecision PrepareSettings(SettingsStore& store, SettingsRecord& record,
                                MessageBoxes& messages) {
    const StartupDecision decision = store.LoadSettings(record);
    if (decision != StartupDecision::FirstStart) return decision;

    const IoStatus written = store.WriteDefaultSettings();
    if (written.ok() && store.LoadSettings(record) == StartupDecision::Continue) return decision;
    if (!written.ok()) messages.Show(SettingsWriteFailedText(written), kAppTitle, MessageIcon::Stop);
    record = DefaultSettingsRecord();
    return decision;
}

}  // namespace velkor
