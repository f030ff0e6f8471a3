#include "platform/win32/win32_window_api.h"

#include <windows.h>

namespace velkor::win32 {
namespace {

HWND Window(WindowHandle handle) { return reinterpret_cast<HWND>(handle); }

}  // namespace

MenuHandle Win32WindowApi::GetSystemMenu(WindowHandle window, bool revert) {
    return reinterpret_cast<MenuHandle>(::GetSystemMenu(Window(window), revert));
}

bool Win32WindowApi::DeleteMenu(MenuHandle menu, std::uint32_t item, std::uint32_t flags) {
    return ::DeleteMenu(reinterpret_cast<HMENU>(menu), item, flags) != FALSE;
}

bool Win32WindowApi::DrawMenuBar(WindowHandle window) { return ::DrawMenuBar(Window(window)) != FALSE; }

WindowHandle Win32WindowApi::GetDesktopWindow() {
    return reinterpret_cast<WindowHandle>(::GetDesktopWindow());
}

bool Win32WindowApi::LockWindowUpdate(WindowHandle window) {
    return ::LockWindowUpdate(Window(window)) != FALSE;
}

bool Win32WindowApi::ShowWindow(WindowHandle window, int command) {
    return ::ShowWindow(Window(window), command) != FALSE;
}

std::int32_t Win32WindowApi::GetWindowLongValue(WindowHandle window, int index) {
    return ::GetWindowLongW(Window(window), index);
}

std::int32_t Win32WindowApi::SetWindowLongValue(WindowHandle window, int index, std::int32_t value) {
    return ::SetWindowLongW(Window(window), index, value);
}

std::uintptr_t Win32WindowApi::ProgramIcon() {
    HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    // An exe without an icon of its own (a test) shows the standard one.
    if (!icon) icon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    return reinterpret_cast<std::uintptr_t>(icon);
}

}  // namespace velkor::win32
