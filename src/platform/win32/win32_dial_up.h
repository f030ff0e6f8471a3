#pragma once
#include <windows.h>

#include <optional>
#include <vector>

#include "platform/dial_up.h"
#include "platform/win32/system_library.h"

namespace velkor::win32 {

// The remote access functions of rasapi32, looked up when the object is made, and the internet
// functions of wininet, looked up when first needed: wininet is large, and it is only needed
// once a dial-up connection exists. Without them nothing is reported, listed or hung up.
class Win32DialUp : public DialUp {
public:
    Win32DialUp();
    ~Win32DialUp() override;

    bool IsConnectionReported() override;
    std::vector<ConnectionHandle> ListConnections() override;
    bool HangUp(ConnectionHandle connection) override;

    // Whether all three system functions were found.
    bool HasSystemFunctions();

private:
    using GetConnectedStateFunction = BOOL(WINAPI*)(DWORD* flags, DWORD reserved);
    using HangUpFunction = DWORD(WINAPI*)(DWORD_PTR connection, DWORD reserved);
    // RasEnumConnectionsA, with the records of the version that this program passes.
    using EnumConnectionsFunction = DWORD(WINAPI*)(void* records, DWORD* bytes, DWORD* count);

    void LoadInternetFunctions();

    SystemLibrary rasapi_;
    EnumConnectionsFunction enumConnections_;
    std::optional<SystemLibrary> wininet_;
    GetConnectedStateFunction getConnectedState_ = nullptr;
    HangUpFunction hangUp_ = nullptr;

    struct ConnectionRecord;
    // Made once: the list is asked for twice a second, and the records take about 100 KB.
    std::vector<ConnectionRecord> records_;
};

}  // namespace velkor::win32
