#include "platform/win32/win32_system_folders.h"

#include <windows.h>
#include <shlobj.h>

#include "platform/win32/wide_text.h"

namespace velkor::win32 {

std::string Win32SystemFolders::SystemDirectory() {
    wchar_t buffer[MAX_PATH + 1] = {};
    const UINT length = GetSystemDirectoryW(buffer, MAX_PATH + 1);
    if (length == 0 || length > MAX_PATH) return {};
    return Narrow(std::wstring_view(buffer, length));
}

std::string Win32SystemFolders::UserAppDataDirectory() {
    wchar_t buffer[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, buffer)))
        return {};
    return Narrow(buffer);
}

std::string Win32SystemFolders::ExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) return Narrow(std::wstring_view(path.data(), length));
        path.resize(path.size() * 2);  // cut short: a long path
    }
}

}  // namespace velkor::win32
