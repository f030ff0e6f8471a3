#include "app/program.h"

#include "app/app_info.h"
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
      splash(forms, main) {}

void Program::FollowStartupDecision(StartupDecision decision) {
    // Until the first-start and upgrade windows exist, a first start writes the defaults at
    // once and a previous-version file is used as it was read.
    if (decision != StartupDecision::FirstStart) return;
    const IoStatus written = store.WriteDefaultSettings();
    if (written.ok() && store.LoadSettings(settings) == StartupDecision::Continue) return;
    if (!written.ok())
        platform.messages.Show(SettingsWriteFailedText(written), kAppTitle, MessageIcon::Stop);
    settings = DefaultSettingsRecord();
}

void Program::ShowSettingsDialog() {
    // The settings dialog is not built yet.
}

}  // namespace velkor
