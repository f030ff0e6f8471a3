#pragma once
#include <windows.h>

#include "platform/dial_up.h"
#include "platform/win32/system_library.h"

namespace velkor::win32 {

// The internet functions of wininet and the remote access functions of rasapi32, looked up
// once when the object is made. Without them nothing is reported, listed or hung up.
class Win32DialUp : public DialUp {
public:
    Win32DialUp();

    bool IsConnectionReported() override;
    std::vector<ConnectionHandle> ListConnections() override;
    bool HangUp(ConnectionHandle connection) override;

    // Whether all three system functions were found.
    bool HasSystemFunctions() const;

private:
    using GetConnectedStateFunction = BOOL(WINAPI*)(DWORD* flags, DWORD reserved);
    using HangUpFunction = DWORD(WINAPI*)(DWORD_PTR connection, DWORD reserved);
    // RasEnumConnectionsA, with the records of the version that this program passes.
    using EnumConnectionsFunction = DWORD(WINAPI*)(void* records, DWORD* bytes, DWORD* count);

    SystemLibrary wininet_;
    SystemLibrary rasapi_;
    GetConnectedStateFunction getConnectedState_;
    HangUpFunction hangUp_;
    EnumConnectionsFunction enumConnections_;
};

}  // namespace velkor::win32
