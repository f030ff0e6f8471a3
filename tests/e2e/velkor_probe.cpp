// A small Windows-side helper for end-to-end tests: it looks at Velkor's windows from outside
// the process, as a person (or a screen reader) would.
//   velkor_probe wait-window TITLE SECONDS   exit 0 once a top-level window TITLE exists
//   velkor_probe texts TITLE                 print the window's text and its children's texts
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

HWND WaitForWindow(const wchar_t* title, double seconds) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
    for (;;) {
        if (HWND window = FindWindowW(nullptr, title)) return window;
        if (GetTickCount64() >= deadline) return nullptr;
        Sleep(100);
    }
}

void PrintUtf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, utf8.data(), size, nullptr, nullptr);
    std::printf("%s\n", utf8.c_str());
}

std::wstring TextOf(HWND window) {
    wchar_t buffer[1024] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG,
                        2000, nullptr);
    return buffer;
}

BOOL CALLBACK PrintChild(HWND child, LPARAM) {
    PrintUtf8(TextOf(child));
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc >= 4 && std::wcscmp(argv[1], L"wait-window") == 0)
        return WaitForWindow(argv[2], _wtof(argv[3])) ? 0 : 1;
    if (argc >= 3 && std::wcscmp(argv[1], L"texts") == 0) {
        HWND window = FindWindowW(nullptr, argv[2]);
        if (!window) return 1;
        PrintUtf8(TextOf(window));
        EnumChildWindows(window, PrintChild, 0);
        return 0;
    }
    std::fprintf(stderr, "usage: velkor_probe wait-window TITLE SECONDS | texts TITLE\n");
    return 2;
}
