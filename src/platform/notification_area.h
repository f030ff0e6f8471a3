#pragma once
// The notification-area (tray) icon of a window.
#include <cstdint>
#include <string>

namespace velkor {

// The shell's first icon record (88 bytes in a 32-bit program), field by field.
struct TrayIconRecord {
    std::uint32_t cbSize = 0;
    std::uintptr_t hWnd = 0;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    std::uintptr_t hIcon = 0;
    std::string szTip;  // UTF-8; converted to the ANSI code page, at most 63 bytes and a NUL
};

inline constexpr std::uint32_t kNimAdd = 0;
inline constexpr std::uint32_t kNimDelete = 2;
inline constexpr std::uint32_t kNifMessage = 1;
inline constexpr std::uint32_t kNifIcon = 2;
inline constexpr std::uint32_t kNifTip = 4;

class NotificationArea {
public:
    virtual ~NotificationArea() = default;
    // Shell_NotifyIcon with NIM_ADD, NIM_DELETE, ...; true when the shell accepted it.
    virtual bool NotifyIcon(std::uint32_t message, const TrayIconRecord& record) = 0;
};

}  // namespace velkor
