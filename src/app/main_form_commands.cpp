// The command panel, the tray menu, the hover highlight and minimising to the tray.
#include "app/main_form.h"
#include "app/program.h"

namespace velkor {

void Main::Settings_Click() { program_.ShowSettingsDialog(); }
void Main::Label12_Click() {}
void Main::Label13_Click() {}
void Main::Label14_Click() {}
void Main::Label15_Click() {}
void Main::Label16_Click() {}
void Main::mnuInfo_Click() {}
void Main::mnuSettings_Click() { Settings_Click(); }
void Main::mnuShutdown_Click() {}
void Main::mnuReboot_Click() {}
void Main::mnuStandbye_Click() {}
void Main::mnuLogoff_Click() {}
void Main::mnuMaxme_Click() {}
void Main::mnuPrgend_Click() {}
void Main::CommandLabel_MouseMove(Control&) {}
void Main::Picture2_MouseMove() {}
void Main::Form_MouseMove(int) {}
void Main::unmove() {}

}  // namespace velkor
