#include "platform/win32/system_library.h"

#include <string>

namespace velkor::win32 {

SystemLibrary::SystemLibrary(const wchar_t* name)
    : module_(LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
    // Windows 7 without the loader update does not know the flag: name the file in full.
    if (module_ || GetLastError() != ERROR_INVALID_PARAMETER) return;
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    module_ = LoadLibraryExW((std::wstring(folder, length) + L"\\" + name).c_str(), nullptr,
                             LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace velkor::win32
