#pragma once
#include "platform/notification_area.h"

namespace velkor::win32 {

// Shell_NotifyIconA with the shell's first record version (88 bytes in a 32-bit program).
class Win32NotificationArea : public NotificationArea {
public:
    bool NotifyIcon(std::uint32_t message, const TrayIconRecord& record) override;
};

}  // namespace velkor::win32
