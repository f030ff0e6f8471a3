#pragma once
// Records the direct window-manager calls in order and keeps each window's extended style.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/window_api.h"

namespace velkor::fakes {

class FakeWindowApi : public WindowApi {
public:
    std::vector<std::string> calls;
    std::map<WindowHandle, std::int32_t> exStyles;
    bool hasSystemMenu = true;

    MenuHandle GetSystemMenu(WindowHandle window, bool revert) override {
        calls.push_back("GetSystemMenu(" + std::to_string(window) + (revert ? ", 1)" : ", 0)"));
        return hasSystemMenu ? 0x500 + window : 0;
    }
    bool DeleteMenu(MenuHandle menu, std::uint32_t item, std::uint32_t flags) override {
        calls.push_back("DeleteMenu(" + std::to_string(menu) + ", " + std::to_string(item) + ", " +
                        std::to_string(flags) + ")");
        return true;
    }
    bool DrawMenuBar(WindowHandle window) override {
        calls.push_back("DrawMenuBar(" + std::to_string(window) + ")");
        return true;
    }
    WindowHandle GetDesktopWindow() override { return 0x10; }
    bool LockWindowUpdate(WindowHandle window) override {
        calls.push_back("LockWindowUpdate(" + std::to_string(window) + ")");
        return true;
    }
    bool ShowWindow(WindowHandle window, int command) override {
        calls.push_back("ShowWindow(" + std::to_string(window) + ", " + std::to_string(command) + ")");
        return true;
    }
    std::int32_t GetWindowLongValue(WindowHandle window, int) override { return exStyles[window]; }
    std::int32_t SetWindowLongValue(WindowHandle window, int, std::int32_t value) override {
        calls.push_back("SetWindowLong(" + std::to_string(window) + ", " + std::to_string(value) + ")");
        return std::exchange(exStyles[window], value);
    }
    std::uintptr_t ProgramIcon() override { return 0x77; }
};

}  // namespace velkor::fakes
