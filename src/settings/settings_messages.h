#pragma once
// The user-facing text for a settings file that could not be written.
#include <string>

#include "platform/io_status.h"

namespace velkor {

// "Die Einstellungen konnten nicht gespeichert werden." with the file and the system's reason.
std::string SettingsWriteFailedText(const IoStatus& status);

// The settings file can be read but not replaced: the run goes on with what was read, and
// changes will not be kept.
std::string SettingsReadOnlyText(const std::string& path);

}  // namespace velkor
