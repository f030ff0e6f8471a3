#pragma once
// The Win32 implementations of everything the program asks of Windows, owned together and
// handed out as one PlatformServices bundle. Velkor.exe uses it whole; tests that run the
// real program build their own bundle from its parts and put fakes where a call must not
// reach Windows (power requests, message boxes, the clock).
#include <windows.h>

#include "app/platform_services.h"
#include "platform/win32/forms/win32_window_system.h"
#include "platform/win32/win32_ansi_codec.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_dial_up.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_memory_status.h"
#include "platform/win32/win32_message_boxes.h"
#include "platform/win32/win32_notification_area.h"
#include "platform/win32/win32_open_file_dialog.h"
#include "platform/win32/win32_os_version.h"
#include "platform/win32/win32_process_launcher.h"
#include "platform/win32/win32_processor_times.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_session_control.h"
#include "platform/win32/win32_system_folders.h"
#include "platform/win32/win32_user_locale.h"
#include "platform/win32/win32_window_api.h"

namespace velkor::win32 {

struct Win32Platform {
    explicit Win32Platform(HINSTANCE instance) : windows(instance), openFileDialog(instance) {}
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    Win32SystemFolders folders;
    Win32FileSystem files;
    Win32AnsiCodec codec;
    Win32MessageBoxes messages;
    Win32WindowSystem windows;
    Win32WindowApi windowApi;
    Win32NotificationArea tray;
    Win32Clock clock;
    Win32UserLocale locale;
    Win32MemoryStatus memory;
    Win32OsVersion osVersion;
    Win32ProcessorTimes processorTimes;
    Win32Registry registry;
    Win32DialUp dialUp;
    Win32SessionControl session;
    Win32ProcessLauncher launcher;
    Win32OpenFileDialog openFileDialog;

    PlatformServices services{.folders = folders,
                              .files = files,
                              .codec = codec,
                              .messages = messages,
                              .windows = windows,
                              .windowApi = windowApi,
                              .tray = tray,
                              .clock = clock,
                              .locale = locale,
                              .memory = memory,
                              .osVersion = osVersion,
                              .processorTimes = processorTimes,
                              .registry = registry,
                              .dialUp = dialUp,
                              .session = session,
                              .launcher = launcher,
                              .openFileDialog = openFileDialog};
};

}  // namespace velkor::win32
