#pragma once
// The whole program: its platform, its program-wide values and its windows. One instance,
// owned by WinMain (or a test), handed to the windows instead of scattered globals.
#include <string>

#include "actions/action_dispatcher.h"
#include "actions/power_control.h"
#include "app/main_form.h"
#include "app/platform_services.h"
#include "settings/frm_loade.h"
#include "settings/frm_update.h"
#include "settings/prg_settings.h"
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
    // previous version (upgrade window), or prepare a first start (first-start window).
    void FollowStartupDecision(StartupDecision decision);
    // Opens the settings dialog without blocking; an open one only comes to the front.
    void ShowSettingsDialog();

    // Waits while the windows and their timers keep going.
    void Pause(double seconds);
    // The first start's writing of the default file; a failure is reported.
    void WriteDefaultSettings();
    // The settings file could not be written during a first start or an upgrade: tells the
    // user, and the next start-up runs on the defaults instead of trying again.
    void ReportSettingsWriteFailure(const IoStatus& status);
    // The previous version's file is too short to convert: the next start-up treats it as a
    // first start.
    void NotePreviousFileUnconvertible() { previousFileUnconvertible_ = true; }
    // The settings were read from a file that no save can replace: says so, once a run.
    void WarnIfSettingsReadOnly();

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
    Loade loade;
    Update update;
    PrgSettings prgSettings;

  private:
    bool settingsWriteFailed_ = false;
    bool previousFileUnconvertible_ = false;
    bool readOnlyReported_ = false;
};

}  // namespace velkor
