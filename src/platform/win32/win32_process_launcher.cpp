#include "platform/win32/win32_process_launcher.h"

#include <windows.h>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"

namespace velkor::win32 {

bool Win32ProcessLauncher::Start(const std::string& commandLine, WindowShow show) {
    std::wstring line = Widen(commandLine);  // CreateProcessW may write into it
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = show == WindowShow::Maximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        return false;
    }
    // Not waited for: both handles are closed at once.
    UniqueHandle process(started.hProcess);
    UniqueHandle thread(started.hThread);
    return true;
}

}  // namespace velkor::win32
