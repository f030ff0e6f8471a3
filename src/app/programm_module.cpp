#include "app/programm_module.h"

namespace velkor {

void DisableCloseButton(WindowApi& api, WindowHandle window) {
    const MenuHandle menu = api.GetSystemMenu(window, false);
    if (menu == 0) return;
    api.DeleteMenu(menu, kScClose, kMfByCommand);
    api.DrawMenuBar(window);
}

void ShowTaskbarButton(WindowApi& api, WindowHandle window, std::int16_t show) {
    api.LockWindowUpdate(api.GetDesktopWindow());
    api.ShowWindow(window, kSwHide);
    std::int32_t exStyle = api.GetWindowLongValue(window, kGwlExStyle);
    if (show == -1)
        exStyle |= kWsExAppWindow;
    else
        exStyle &= ~kWsExAppWindow;
    api.SetWindowLongValue(window, kGwlExStyle, exStyle);
    api.ShowWindow(window, kSwShow);
    api.LockWindowUpdate(0);
}

void UnloadAllWindows(Forms& forms) { forms.UnloadAll(); }

}  // namespace velkor
