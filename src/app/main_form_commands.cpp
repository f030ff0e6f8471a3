// The command panel, the tray menu, the hover highlight and minimising to the tray.
#include "app/main_form.h"
#include "app/program.h"
#include "app/programm_module.h"

namespace velkor {
namespace {

// Mouse messages as the tray icon reports them.
constexpr std::uint32_t kLeftButtonDoubleClick = 515;  // WM_LBUTTONDBLCLK
constexpr std::uint32_t kRightButtonUp = 517;          // WM_RBUTTONUP

}  // namespace

void Main::Settings_Click() { program_.ShowSettingsDialog(); }
void Main::Label11_Click() { program_.splash.OpenInfo(); }
void Main::Label12_Click() { program_.power.PowerShutdown(); }
void Main::Label13_Click() { program_.power.PowerReboot(); }
void Main::Label14_Click() { program_.power.PowerStandby(); }
void Main::Label15_Click() { program_.power.PowerLogoff(); }

void Main::Label16_Click() {
    // The program ends once the last window is gone and no event is running.
    RemoveTrayIcon();
    UnloadAllWindows(program_.forms);
}

void Main::mnuInfo_Click() { Label11_Click(); }
void Main::mnuSettings_Click() { Settings_Click(); }
void Main::mnuShutdown_Click() { Label12_Click(); }
void Main::mnuReboot_Click() { Label13_Click(); }
void Main::mnuStandbye_Click() { Label14_Click(); }
void Main::mnuLogoff_Click() { Label15_Click(); }

void Main::mnuMaxme_Click() {
    if (State() != WindowState::Minimized) return;
    program_.forms.SetWindowState(*this, WindowState::Normal);
    ShowTaskbarButton(program_.platform.windowApi, program_.platform.windows.WindowHandleOf(*this),
                      -1);
}

void Main::mnuMinme_Click() {
    if (State() != WindowState::Normal) return;
    program_.forms.SetWindowState(*this, WindowState::Minimized);
    ShowTaskbarButton(program_.platform.windowApi, program_.platform.windows.WindowHandleOf(*this),
                      0);
}

void Main::mnuPrgend_Click() {
    RemoveTrayIcon();
    UnloadAllWindows(program_.forms);
    program_.platform.windows.EndProcessNow();
}

void Main::RemoveTrayIcon() { program_.platform.tray.NotifyIcon(kNimDelete, TrayIconRecord_); }

void Main::CommandLabel_MouseMove(Control& label) {
    for (Control* other : CommandLabels())
        if (other != &label) other->SetForeColour(kWhite);
    label.SetForeColour(kRed);
}

void Main::Picture2_MouseMove() { unmove(); }

void Main::Form_MouseMove() { unmove(); }

void Main::unmove() {
    for (Control* label : CommandLabels()) label->SetForeColour(kWhite);
}

void Main::TrayIcon_MouseEvent(std::uint32_t code) {
    unmove();
    if (code == kLeftButtonDoubleClick) return mnuMaxme_Click();
    if (code == kRightButtonUp)
        return program_.platform.windows.ShowPopupMenu(*this, menu("mnuFile"));
}

}  // namespace velkor
