#pragma once
// A plain main window captioned "Velkor" until the real main window is built.
#include <windows.h>

namespace velkor::win32 {

// Creates and shows the window; closing it ends the message loop.
HWND CreatePlaceholderMainWindow(HINSTANCE instance, int showCommand);

}  // namespace velkor::win32
