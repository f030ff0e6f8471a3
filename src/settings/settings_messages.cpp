#include "settings/settings_messages.h"

namespace velkor {

std::string SettingsWriteFailedText(const IoStatus& status) {
    return "Die Einstellungen konnten nicht gespeichert werden.\r\n" + status.path() + "\r\n" +
           status.reason();
}

}  // namespace velkor
