#pragma once
// The whole program: its platform, its program-wide values and its windows. One instance,
// owned by WinMain (or a test), handed to the windows instead of scattered globals.
#include <string>

#include "actions/action_dispatcher.h"
#include "actions/power_control.h"
#include "app/main_form.h"
#include "app/platform_services.h"
#include "settings/settings_record.h"
#include "settings/settings_store.h"
#include "ui/forms/forms.h"
#include "ui/frm_splash.h"

namespace velkor {

class Program {
public:
    explicit Program(PlatformServices& services);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Loads and shows the main window: the program starts.
    void Start() { forms.Show(main); }

    // What start-up does once the settings file has been read: go on, convert a file of the
    // previous version, or prepare a first start.
    void FollowStartupDecision(StartupDecision decision);
    // Opens the settings dialog without blocking; one instance.
    void ShowSettingsDialog();

    PlatformServices& platform;
    Forms forms;
    SettingsStore store;

    // Program-wide values.
    SettingsRecord settings;
    std::string FreeRamBytes;        // free physical memory in bytes; empty until measured
    std::string CpuIdleCountdown;    // seconds left before the processor trigger fires
    std::string InternetStatusText;  // "Online" / "Offline"; empty until first asked

    PowerControl power;
    ActionDispatcher actions;

    // The windows.
    Main main;
    frmSplash splash;
};

}  // namespace velkor
