// A stand-in program for the program-start tests: writes "<its own path>.ran" with the show
// command it was asked for and the command line it got, then ends.
#include <windows.h>

#include <string>

namespace {

std::string Utf8(const std::wstring& wide) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(), length,
                        nullptr, nullptr);
    return text;
}

}  // namespace

int main() {
    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return 1;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    const std::string show = (startup.dwFlags & STARTF_USESHOWWINDOW)
                                 ? std::to_string(startup.wShowWindow)
                                 : std::string("none");
    const std::string text = "show=" + show + "\r\ncommand=" + Utf8(GetCommandLineW()) + "\r\n";

    // Written under another name first, so the test never reads half a marker.
    const std::wstring marker = std::wstring(self) + L".ran";
    const std::wstring partial = marker + L".part";
    HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    const BOOL ok =
        WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    if (!ok || !MoveFileExW(partial.c_str(), marker.c_str(), MOVEFILE_REPLACE_EXISTING)) return 1;
    return 0;
}
