#pragma once
// General window routines shared by the program's windows.
#include <cstdint>

#include "platform/window_api.h"
#include "ui/forms/forms.h"

namespace velkor {

// Removes the Close command from the window's system menu: its close box and Alt+F4 then do
// nothing. Skipped for a window without a system menu.
void DisableCloseButton(WindowApi& api, WindowHandle window);

// Gives the window a taskbar button (show = -1) or takes it away (any other value), hiding
// and showing it while the desktop is locked against painting. A minimised window stays
// minimised.
void ShowTaskbarButton(WindowApi& api, WindowHandle window, std::int16_t show);

// Unloads every loaded window of the program, one after another.
void UnloadAllWindows(Forms& forms);

}  // namespace velkor
