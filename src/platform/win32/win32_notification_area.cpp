#include "platform/win32/win32_notification_area.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>

#include "platform/win32/wide_text.h"

namespace velkor::win32 {

#if !defined(_WIN64)
static_assert(NOTIFYICONDATAA_V1_SIZE == 88, "the tray record of the first shell version");
#endif

bool Win32NotificationArea::NotifyIcon(std::uint32_t message, const TrayIconRecord& record) {
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = reinterpret_cast<HWND>(record.hWnd);
    data.uID = record.uID;
    data.uFlags = record.uFlags;
    data.uCallbackMessage = record.uCallbackMessage;
    data.hIcon = reinterpret_cast<HICON>(record.hIcon);
    // The tip as the first record holds it: 64 bytes of ANSI text, NUL-terminated.
    const std::wstring wide = Widen(record.szTip);
    char tip[64] = {};
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), tip,
                        sizeof tip - 1, nullptr, nullptr);
    std::copy(std::begin(tip), std::end(tip), data.szTip);
    data.szTip[63] = '\0';
    return Shell_NotifyIconA(message, &data) != FALSE;
}

}  // namespace velkor::win32
