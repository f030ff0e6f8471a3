// Velkor.exe: builds the Win32 platform, loads the main window and runs the message loop.
#include <windows.h>
#include <commctrl.h>

#include "app/program.h"
#include "platform/win32/win32_platform.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);

    velkor::win32::Win32Platform platform(instance);
    velkor::Program program(platform.services);
    platform.windows.Attach(program.forms);
    program.Start();
    return platform.windows.RunMessageLoop();
}
