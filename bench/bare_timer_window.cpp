// The idle floor for Velkor.exe: a plain window with two 500 ms timers that do nothing.
#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER) return 0;
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"BareTimerWindow";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowW(L"BareTimerWindow", L"Bare timer window", WS_OVERLAPPEDWINDOW,
                                CW_USEDEFAULT, CW_USEDEFAULT, 476, 216, nullptr, nullptr, instance,
                                nullptr);
    ShowWindow(window, show);
    SetTimer(window, 1, 500, nullptr);
    SetTimer(window, 2, 500, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
