#pragma once
// Everything the program asks of Windows, handed to it as one bundle: the Win32
// implementations in Velkor.exe, recording fakes in the tests.
#include "platform/ansi_codec.h"
#include "platform/clock.h"
#include "platform/dial_up.h"
#include "platform/file_system.h"
#include "platform/memory_status.h"
#include "platform/message_box.h"
#include "platform/notification_area.h"
#include "platform/open_file_dialog.h"
#include "platform/os_version.h"
#include "platform/process_launcher.h"
#include "platform/processor_times.h"
#include "platform/registry.h"
#include "platform/session_control.h"
#include "platform/system_folders.h"
#include "platform/user_locale.h"
#include "platform/window_api.h"
#include "platform/window_system.h"

namespace velkor {

struct PlatformServices {
    SystemFolders& folders;
    FileSystem& files;
    AnsiCodec& codec;
    MessageBoxes& messages;
    WindowSystem& windows;
    WindowApi& windowApi;
    NotificationArea& tray;
    Clock& clock;
    UserLocale& locale;
    MemoryStatus& memory;
    OsVersion& osVersion;
    ProcessorTimes& processorTimes;
    Registry& registry;
    DialUp& dialUp;
    SessionControl& session;
    ProcessLauncher& launcher;
    OpenFileDialog& openFileDialog;
};

}  // namespace velkor
