// Velkor.exe: builds the Win32 platform, reads the settings and runs the main window.
#include <windows.h>
#include <commctrl.h>

#include "app/settings_startup.h"
#include "platform/win32/placeholder_main_window.h"
#include "platform/win32/win32_ansi_codec.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_message_boxes.h"
#include "platform/win32/win32_system_folders.h"
#include "settings/settings_store.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);

    velkor::win32::Win32SystemFolders folders;
    velkor::win32::Win32FileSystem files;
    velkor::win32::Win32AnsiCodec codec;
    velkor::win32::Win32MessageBoxes messages;
    velkor::SettingsStore store(folders, files, codec, messages);
    velkor::SettingsRecord settings;
    velkor::PrepareSettings(store, settings, messages);

    if (!velkor::win32::CreatePlaceholderMainWindow(instance, showCommand)) return 1;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
