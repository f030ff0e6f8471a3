#include "app/program.h"

#include <utility>

#include "app/app_info.h"
#include "app/pause.h"
#include "settings/settings_file_format.h"
#include "settings/settings_messages.h"

namespace velkor {

Program::Program(PlatformServices& services)
    : platform(services),
      forms(services.windows),
      store(services.folders, services.files, services.codec, services.messages),
      power(services.session, services.dialUp, settings),
      actions(settings, power, services.dialUp, services.launcher, services.files),
      main(*this),
      splash(forms, main),
      loade(*this),
      update(*this),
      prgSettings(*this) {}

void Program::FollowStartupDecision(StartupDecision decision) {
    const bool writeFailed = std::exchange(settingsWriteFailed_, false);
    const bool unconvertible = std::exchange(previousFileUnconvertible_, false);
    if (decision == StartupDecision::Continue) return WarnIfSettingsReadOnly();
    // Without these two the main window would reopen into the same first start or upgrade
    // again and again.
    if (decision == StartupDecision::Upgrade && unconvertible)
        decision = StartupDecision::FirstStart;
    if (writeFailed) {
        settings = DefaultSettingsRecord();
        return;
    }

    if (decision == StartupDecision::FirstStart) {
        forms.Show(loade);  // its timer runs the sequence, which reopens the main window
        return;
    }
    forms.Unload(main);
    forms.Show(update);  // converts the file before it returns
    forms.Unload(update);
    forms.Show(main);
}

void Program::WarnIfSettingsReadOnly() {
    if (readOnlyReported_ || store.SettingsWritable()) return;
    readOnlyReported_ = true;
    platform.messages.Show(SettingsReadOnlyText(store.SettingsFileFullPath()), kAppTitle,
                           MessageIcon::Warning);
}

void Program::ShowSettingsDialog() { forms.Show(prgSettings); }

void Program::Pause(double seconds) {
    velkor::Pause(seconds, platform.clock,
                  [this](std::uint32_t maxWaitMs) { platform.windows.PumpMessages(maxWaitMs); });
}

void Program::WriteDefaultSettings() {
    const IoStatus written = store.WriteDefaultSettings();
    forms.Unload(prgSettings);
    if (!written.ok()) ReportSettingsWriteFailure(written);
}

void Program::ReportSettingsWriteFailure(const IoStatus& status) {
    platform.messages.Show(SettingsWriteFailedText(status), kAppTitle, MessageIcon::Stop);
    settingsWriteFailed_ = true;
}

}  // namespace velkor
