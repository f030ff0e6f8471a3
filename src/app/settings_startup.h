#pragma once
// The settings part of start-up until the first-start and upgrade windows take it over:
// a missing or foreign file is replaced by the defaults at once.
#include "platform/message_box.h"
#include "settings/settings_record.h"
#include "settings/settings_store.h"

namespace velkor {

// Loads the settings into the record. On a first start writes the default file and loads
// it; when that write fails, says so (file and reason) and runs with the defaults in memory.
StartupDecision PrepareSettings(SettingsStore& store, SettingsRecord& record,
                                MessageBoxes& messages);

}  // namespace velkor
