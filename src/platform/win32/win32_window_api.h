#pragma once
#include "platform/window_api.h"

namespace velkor::win32 {

class Win32WindowApi : public WindowApi {
public:
    MenuHandle GetSystemMenu(WindowHandle window, bool revert) override;
    bool DeleteMenu(MenuHandle menu, std::uint32_t item, std::uint32_t flags) override;
    bool DrawMenuBar(WindowHandle window) override;
    WindowHandle GetDesktopWindow() override;
    bool LockWindowUpdate(WindowHandle window) override;
    bool ShowWindow(WindowHandle window, int command) override;
    std::int32_t GetWindowLongValue(WindowHandle window, int index) override;
    std::int32_t SetWindowLongValue(WindowHandle window, int index, std::int32_t value) override;
    std::uintptr_t ProgramIcon() override;
};

}  // namespace velkor::win32
