#pragma once
// Records the tray icon requests and keeps the set of icons the "shell" shows.
#include <set>
#include <utility>
#include <vector>

#include "platform/notification_area.h"

namespace velkor::fakes {

class FakeNotificationArea : public NotificationArea {
public:
    std::vector<std::pair<std::uint32_t, TrayIconRecord>> requests;
    std::set<std::pair<std::uintptr_t, std::uint32_t>> icons;  // (window, id) now shown

    bool NotifyIcon(std::uint32_t message, const TrayIconRecord& record) override {
        requests.emplace_back(message, record);
        const auto key = std::make_pair(record.hWnd, record.uID);
        if (message == kNimAdd) return icons.insert(key).second;
        if (message == kNimDelete) return icons.erase(key) != 0;
        return true;
    }
};

}  // namespace velkor::fakes
