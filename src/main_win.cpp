// Velkor.exe: builds the Win32 platform, loads the main window and runs the message loop.
#include <windows.h>
#include <commctrl.h>

#include "app/program.h"
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

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);

    using namespace velkor::win32;
    Win32SystemFolders folders;
    Win32FileSystem files;
    Win32AnsiCodec codec;
    Win32MessageBoxes messages;
    Win32WindowSystem windows(instance);
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
    Win32OpenFileDialog openFileDialog(instance);
    velkor::PlatformServices platform{folders,  files,     codec,          messages, windows,
                                      windowApi, tray,     clock,          locale,   memory,
                                      osVersion, processorTimes, registry, dialUp,   session,
                                      launcher,  openFileDialog};

    velkor::Program program(platform);
    windows.Attach(program.forms);
    program.Start();
    return windows.RunMessageLoop();
}
