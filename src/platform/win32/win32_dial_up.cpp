#include "platform/win32/win32_dial_up.h"

#include <ras.h>
#include <wininet.h>

#include <algorithm>
#include <cstdint>
#include <type_traits>

namespace velkor::win32 {

// RASCONNA as Windows 95 and NT 4 knew it: without the phone-book and sub-entry fields.
// Every later Windows still accepts this version, announced by its size in dwSize.
struct Win32DialUp::ConnectionRecord {
    DWORD dwSize;
    HRASCONN hrasconn;
    CHAR szEntryName[RAS_MaxEntryName + 1];
    CHAR szDeviceType[RAS_MaxDeviceType + 1];
    CHAR szDeviceName[RAS_MaxDeviceName + 1];
};

Win32DialUp::Win32DialUp()
    : rasapi_(L"rasapi32.dll"),
      enumConnections_(rasapi_.Find<EnumConnectionsFunction>("RasEnumConnectionsA")),
      records_(enumConnections_ ? kMaxConnections : 0) {
    static_assert(
        std::is_same_v<GetConnectedStateFunction, decltype(&::InternetGetConnectedState)>);
    static_assert(std::is_same_v<HangUpFunction, decltype(&::InternetHangUp)>);
#if !defined(_WIN64)
    static_assert(sizeof(ConnectionRecord) == 412);
#else
    static_assert(sizeof(ConnectionRecord) == 424);
#endif
}

Win32DialUp::~Win32DialUp() = default;

void Win32DialUp::LoadInternetFunctions() {
    if (wininet_) return;
    wininet_.emplace(L"wininet.dll");
    getConnectedState_ = wininet_->Find<GetConnectedStateFunction>("InternetGetConnectedState");
    hangUp_ = wininet_->Find<HangUpFunction>("InternetHangUp");
}

bool Win32DialUp::HasSystemFunctions() {
    LoadInternetFunctions();
    return getConnectedState_ && hangUp_ && enumConnections_;
}

bool Win32DialUp::IsConnectionReported() {
    LoadInternetFunctions();
    if (!getConnectedState_) return false;
    DWORD flags = 0;  // which kind of connection; not needed
    return getConnectedState_(&flags, 0) != FALSE;
}

std::vector<ConnectionHandle> Win32DialUp::ListConnections() {
    if (!enumConnections_) return {};
    // Zero-filled on every call, as a fresh array would be; the first record announces the
    // version.
    std::fill(records_.begin(), records_.end(), ConnectionRecord{});
    records_[0].dwSize = sizeof(ConnectionRecord);
    DWORD bytes = static_cast<DWORD>(records_.size() * sizeof(ConnectionRecord));
    DWORD count = 0;
    enumConnections_(records_.data(), &bytes, &count);  // the count tells what was filled
    const std::size_t filled = std::min<std::size_t>(count, records_.size());

    std::vector<ConnectionHandle> handles;
    handles.reserve(filled);
    for (std::size_t i = 0; i < filled; ++i) {
        handles.push_back(reinterpret_cast<std::intptr_t>(records_[i].hrasconn));
    }
    return handles;
}

bool Win32DialUp::HangUp(ConnectionHandle connection) {
    LoadInternetFunctions();
    if (!hangUp_) return false;
    // The whole handle: a pointer-sized value that round-trips through the 64-bit integer.
    return hangUp_(static_cast<DWORD_PTR>(connection), 0) == ERROR_SUCCESS;
}

}  // namespace velkor::win32
