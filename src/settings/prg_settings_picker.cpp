// The program picker of the settings dialog.
#include "app/program.h"
#include "settings/open_module.h"
#include "settings/prg_settings.h"

namespace velkor {

void PrgSettings::Command3_Click() {
    PlatformServices& platform = program_.platform;
    const std::string folder = FolderOfFile(platform.folders.ExecutablePath());
    // Cancelling empties the box.
    Text4.SetText(
        ShowOpenFileDialog(platform.openFileDialog, platform.windows.WindowHandleOf(*this),
                           "*.exe (Programme)|*.exe", "Programm ausw\xC3\xA4hlen", folder));
}

}  // namespace velkor
