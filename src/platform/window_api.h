#pragma once
// The few window-manager calls the program makes on window handles directly: removing the
// Close command and giving a window a taskbar button or taking it away.
#include <cstdint>

namespace velkor {

using WindowHandle = std::uintptr_t;
using MenuHandle = std::uintptr_t;

inline constexpr std::uint32_t kScClose = 0xF060;
inline constexpr std::uint32_t kMfByCommand = 0;
inline constexpr int kGwlExStyle = -20;
inline constexpr std::int32_t kWsExAppWindow = 0x40000;
inline constexpr int kSwHide = 0;
inline constexpr int kSwShow = 5;

class WindowApi {
public:
    virtual ~WindowApi() = default;
    virtual MenuHandle GetSystemMenu(WindowHandle window, bool revert) = 0;
    virtual bool DeleteMenu(MenuHandle menu, std::uint32_t item, std::uint32_t flags) = 0;
    virtual bool DrawMenuBar(WindowHandle window) = 0;
    virtual WindowHandle GetDesktopWindow() = 0;
    virtual bool LockWindowUpdate(WindowHandle window) = 0;
    virtual bool ShowWindow(WindowHandle window, int command) = 0;
    virtual std::int32_t GetWindowLongValue(WindowHandle window, int index) = 0;
    virtual std::int32_t SetWindowLongValue(WindowHandle window, int index, std::int32_t value) = 0;
    // The program's own icon (the one its windows show).
    virtual std::uintptr_t ProgramIcon() = 0;
};

}  // namespace velkor
