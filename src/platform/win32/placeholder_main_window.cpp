#include "platform/win32/placeholder_main_window.h"

namespace velkor::win32 {
namespace {

constexpr wchar_t kClassName[] = L"VelkorMainWindow";
constexpr COLORREF kBackColour = 0xA75938;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

HWND CreatePlaceholderMainWindow(HINSTANCE instance, int showCommand) {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = CreateSolidBrush(kBackColour);  // lives as long as the class
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);

    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame = {0, 0, 476, 216};  // 7140 x 3240 twips at 96 DPI
    AdjustWindowRect(&frame, style, FALSE);
    HWND window = CreateWindowExW(0, kClassName, L"Velkor", style, CW_USEDEFAULT, CW_USEDEFAULT,
                                  frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                  nullptr, instance, nullptr);
    if (window) ShowWindow(window, showCommand);
    return window;
}

}  // namespace velkor::win32
