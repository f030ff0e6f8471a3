#include "settings/settings_messages.h"

namespace velkor {

std::string SettingsWriteFailedText(const IoStatus& status) {
    return "Die Einstellungen konnten nicht gespeichert werden.\r\n" + status.path() + "\r\n" +
           status.reason();
}

std::string SettingsReadOnlyText(const std::string& path) {
    return "Die Einstellungen k\xC3\xB6nnen nicht gespeichert werden: die Datei ist "
           "schreibgesch\xC3\xBCtzt oder der Ordner gesperrt.\r\n" +
           path +
           "\r\nVelkor l\xC3\xA4uft mit den gelesenen Einstellungen weiter; \xC3\x84nderungen "
           "werden nicht gespeichert.";
}

}  // namespace velkor
