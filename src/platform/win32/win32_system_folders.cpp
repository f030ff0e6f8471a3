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

}  // namespace velkor::win32
