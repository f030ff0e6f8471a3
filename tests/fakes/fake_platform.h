#pragma once
// A whole platform of fakes for tests that build the complete program: a German Windows XP
// style machine with a writable system directory, 1000 MB free, no dial-up connection, and a
// clock at 1 January 2004, midnight.
#include "app/platform_services.h"
#include "call_log.h"
#include "cp1252_codec.h"
#include "fake_clock.h"
#include "fake_dial_up.h"
#include "fake_file_system.h"
#include "fake_memory_status.h"
#include "fake_message_boxes.h"
#include "fake_notification_area.h"
#include "fake_open_file_dialog.h"
#include "fake_os_version.h"
#include "fake_process_launcher.h"
#include "fake_processor_times.h"
#include "fake_registry.h"
#include "fake_session_control.h"
#include "fake_system_folders.h"
#include "fake_user_locale.h"
#include "fake_window_api.h"
#include "fake_window_system.h"
#include "settings/settings_file_format.h"

namespace velkor::fakes {

struct FakePlatform {
    static constexpr const char* kSettingsFile = "C:\\WINDOWS\\system32\\VK8Settings.ini";

    CallLog log;  // dial-up, session and process requests, in order
    FakeSystemFolders folders;
    FakeFileSystem files;
    Cp1252Codec codec;
    FakeMessageBoxes messages;
    FakeWindowSystem windows;
    FakeWindowApi windowApi;
    FakeNotificationArea tray;
    FakeClock clock;
    FakeUserLocale locale = FakeUserLocale::German();
    FakeMemoryStatus memory;
    FakeOsVersion osVersion;
    FakeProcessorTimes processorTimes;
    FakeRegistry registry;
    FakeDialUp dialUp{log};
    FakeSessionControl session{log};
    FakeProcessLauncher launcher{log};
    FakeOpenFileDialog openFileDialog;

    PlatformServices services{folders,   files,          codec,    messages, windows, windowApi,
                              tray,      clock,          locale,   memory,   osVersion,
                              processorTimes, registry, dialUp, session,  launcher,
                              openFileDialog};

    FakePlatform() {
        files.folders.insert("C:\\WINDOWS\\system32\\");
        // Waiting for messages takes the time it may wait, so pauses end.
        windows.onPump = [this](std::uint32_t maxWaitMs) { clock.Advance(maxWaitMs); };
        osVersion.record = FakeOsVersion::Record(2, 5, 1, 2600, "Service Pack 2");
    }

    // Puts a settings file in the current format with these values in place.
    void WriteSettings(const SettingsRecord& settings) {
        files.files[kSettingsFile] = codec.Utf8ToAnsi(FormatSettingsFile(settings));
    }
    // The default settings with changes: WriteSettingsWith([](auto& s) { s.TrigCpu = "1"; }).
    template <typename Change>
    void WriteSettingsWith(Change change) {
        SettingsRecord settings = DefaultSettingsRecord();
        change(settings);
        WriteSettings(settings);
    }
};

}  // namespace velkor::fakes
