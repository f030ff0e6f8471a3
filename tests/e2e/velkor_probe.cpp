// A small Windows-side helper for end-to-end tests: it looks at Velkor's windows from outside
// the process, as a person (or a screen reader) would, and can press their buttons.
//   velkor_probe wait-window TITLE SECONDS      exit 0 once a top-level window TITLE is shown
//   velkor_probe wait-gone TITLE SECONDS        exit 0 once no window TITLE exists
//   velkor_probe texts TITLE                    the window's text, then each child's text
//   velkor_probe where TITLE TEXT               screen x y of the centre of the child TEXT
//   velkor_probe pixel TITLE X Y                colour 0xBBGGRR at client point X Y
//   velkor_probe click TITLE TEXT               a left click on the child TEXT (by messages)
//   velkor_probe message-text SECONDS           waits for a message box; prints caption, text
//   velkor_probe message-ok                     presses OK in the open message box
//   velkor_probe enabled TITLE                  prints 1 when the window takes input, else 0
//   velkor_probe wait-text TEXT SECONDS         exit 0 once some window has a child TEXT
//   velkor_probe wait-text-gone TEXT SECONDS    exit 0 once no window has a child TEXT
//   velkor_probe click-text TEXT                a left click on the first child TEXT anywhere
//   velkor_probe state TITLE                    "minimized" or "normal", then "taskbar" when
//                                               the window asks for a taskbar button
//   velkor_probe foreground                     the title of the foreground window
//   velkor_probe wait-menu SECONDS              exit 0 once a pop-up menu is shown
//   velkor_probe wait-no-menu SECONDS           exit 0 once no pop-up menu is shown
//   velkor_probe menu-keys KEY...               presses keys (down, up, return, escape) in the
//                                               open pop-up menu
//   velkor_probe count-colour TITLE TEXT COLOUR the number of pixels of colour 0xBBGGRR in
//                                               the child TEXT, as it shows on the screen
//   velkor_probe rect TITLE                     screen x y width height of the window
//   velkor_probe menu-rect                      screen x y width height of the open pop-up menu
//   velkor_probe close TITLE                    asks the window to close, as its close box does
//   velkor_probe set-item-text TITLE ID TEXT    sets the text of the window's control ID
//   velkor_probe command TITLE ID               presses the window's button ID (1 OK, 2 Cancel)
// TITLE and TEXT are matched exactly; TITLE means a shown window (wait-gone counts hidden ones
// too); exit code 1 when something is not found.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

std::string Utf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, utf8.data(), size, nullptr, nullptr);
    utf8.resize(utf8.empty() ? 0 : utf8.size() - 1);
    return utf8;
}

std::wstring TextOf(HWND window) {
    wchar_t buffer[2048] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(buffer),
                        SMTO_ABORTIFHUNG, 2000, nullptr);
    return buffer;
}

bool Wait(double seconds, auto found) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
    for (;;) {
        if (found()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(50);
    }
}

struct ChildSearch {
    const wchar_t* text;
    HWND found;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM data) {
    auto* search = reinterpret_cast<ChildSearch*>(data);
    if (TextOf(child) == search->text) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

// The shown top-level window TITLE; Velkor also has a hidden owner window of the same title,
// which may come first in the z-order (after a minimise, for instance).
HWND FindShownWindow(const wchar_t* title) {
    for (HWND window = FindWindowExW(nullptr, nullptr, nullptr, title); window;
         window = FindWindowExW(nullptr, window, nullptr, title))
        if (IsWindowVisible(window)) return window;
    return nullptr;
}

HWND FindChild(const wchar_t* title, const wchar_t* text) {
    HWND window = FindShownWindow(title);
    if (!window) return nullptr;
    ChildSearch search{text, nullptr};
    EnumChildWindows(window, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK PrintChild(HWND child, LPARAM) {
    std::printf("%s\n", Utf8(TextOf(child)).c_str());
    return TRUE;
}

// A message box once it is shown: before that its text may not be filled in yet.
HWND FindMessageBox() {
    HWND box = FindWindowW(L"#32770", nullptr);
    return box && IsWindowVisible(box) ? box : nullptr;
}

struct AnySearch {
    const wchar_t* text;
    HWND found;
};

BOOL CALLBACK SearchTopLevel(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<AnySearch*>(data);
    if (!IsWindowVisible(window)) return TRUE;
    ChildSearch child{search->text, nullptr};
    EnumChildWindows(window, MatchChild, reinterpret_cast<LPARAM>(&child));
    if (child.found) {
        search->found = child.found;
        return FALSE;
    }
    return TRUE;
}

// The first child with this text in any visible top-level window.
HWND FindChildAnywhere(const wchar_t* text) {
    AnySearch search{text, nullptr};
    EnumWindows(SearchTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void Click(HWND child) {
    RECT rect;
    GetClientRect(child, &rect);
    const LPARAM centre = MAKELPARAM(rect.right / 2, rect.bottom / 2);
    PostMessageW(child, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    PostMessageW(child, WM_LBUTTONUP, 0, centre);
}

HWND ShownMenu() {
    HWND menu = FindWindowW(L"#32768", nullptr);
    return menu && IsWindowVisible(menu) ? menu : nullptr;
}

bool MenuShown() { return ShownMenu() != nullptr; }

int PrintRect(HWND window) {
    if (!window) return 1;
    RECT rect;
    GetWindowRect(window, &rect);
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left,
                rect.bottom - rect.top);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"wait-window" && argc >= 4)
        return Wait(_wtof(argv[3]), [&] { return FindShownWindow(argv[2]) != nullptr; }) ? 0 : 1;
    if (command == L"wait-gone" && argc >= 4)
        return Wait(_wtof(argv[3]), [&] { return FindWindowW(nullptr, argv[2]) == nullptr; }) ? 0 : 1;
    if (command == L"texts" && argc >= 3) {
        HWND window = FindShownWindow(argv[2]);
        if (!window) return 1;
        std::printf("%s\n", Utf8(TextOf(window)).c_str());
        EnumChildWindows(window, PrintChild, 0);
        return 0;
    }
    if (command == L"where" && argc >= 4) {
        HWND child = FindChild(argv[2], argv[3]);
        if (!child) return 1;
        RECT rect;
        GetWindowRect(child, &rect);
        std::printf("%ld %ld\n", (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        return 0;
    }
    if (command == L"pixel" && argc >= 5) {
        HWND window = FindShownWindow(argv[2]);
        if (!window) return 1;
        HDC dc = GetDC(window);
        const COLORREF colour = GetPixel(dc, _wtoi(argv[3]), _wtoi(argv[4]));
        ReleaseDC(window, dc);
        std::printf("0x%06lX\n", static_cast<unsigned long>(colour));
        return 0;
    }
    if (command == L"click" && argc >= 4) {
        HWND child = FindChild(argv[2], argv[3]);
        if (!child) return 1;
        Click(child);
        return 0;
    }
    if (command == L"wait-text" && argc >= 4)
        return Wait(_wtof(argv[3]), [&] { return FindChildAnywhere(argv[2]) != nullptr; }) ? 0 : 1;
    if (command == L"wait-text-gone" && argc >= 4)
        return Wait(_wtof(argv[3]), [&] { return FindChildAnywhere(argv[2]) == nullptr; }) ? 0 : 1;
    if (command == L"click-text" && argc >= 3) {
        HWND child = FindChildAnywhere(argv[2]);
        if (!child) return 1;
        Click(child);
        return 0;
    }
    if (command == L"message-text" && argc >= 3) {
        HWND box = nullptr;
        if (!Wait(_wtof(argv[2]), [&] { return (box = FindMessageBox()) != nullptr; })) return 1;
        std::printf("%s\n%s\n", Utf8(TextOf(box)).c_str(),
                    Utf8(TextOf(GetDlgItem(box, 0xFFFF))).c_str());
        return 0;
    }
    if (command == L"message-ok") {
        HWND box = FindMessageBox();
        if (!box) return 1;
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return 0;
    }
    if (command == L"enabled" && argc >= 3) {
        HWND window = FindShownWindow(argv[2]);
        if (!window) return 1;
        std::printf("%d\n", IsWindowEnabled(window) ? 1 : 0);
        return 0;
    }
    if (command == L"state" && argc >= 3) {
        HWND window = FindShownWindow(argv[2]);
        if (!window) return 1;
        const bool taskbar = GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW;
        std::printf("%s%s\n", IsIconic(window) ? "minimized" : "normal", taskbar ? " taskbar" : "");
        return 0;
    }
    if (command == L"foreground") {
        std::printf("%s\n", Utf8(TextOf(GetForegroundWindow())).c_str());
        return 0;
    }
    if (command == L"wait-menu" && argc >= 3) return Wait(_wtof(argv[2]), MenuShown) ? 0 : 1;
    if (command == L"wait-no-menu" && argc >= 3)
        return Wait(_wtof(argv[2]), [] { return !MenuShown(); }) ? 0 : 1;
    if (command == L"menu-keys" && argc >= 3) {
        // Straight to the menu's thread: the keyboard focus of the X server may lie elsewhere.
        HWND menu = ShownMenu();
        if (!menu) return 1;
        for (int i = 2; i < argc; ++i) {
            const std::wstring key = argv[i];
            const WPARAM vk = key == L"down"     ? VK_DOWN
                              : key == L"up"     ? VK_UP
                              : key == L"return" ? VK_RETURN
                              : key == L"escape" ? VK_ESCAPE
                                                 : 0;
            if (!vk) return 2;
            PostMessageW(menu, WM_KEYDOWN, vk, 1);
            PostMessageW(menu, WM_KEYUP, vk, 0xC0000001);
            Sleep(50);
        }
        return 0;
    }
    if (command == L"count-colour" && argc >= 5) {
        HWND child = FindChild(argv[2], argv[3]);
        if (!child) return 1;
        const COLORREF wanted = static_cast<COLORREF>(wcstoul(argv[4], nullptr, 16));
        // Read through the top-level window: what it shows where the child sits.
        HWND window = GetAncestor(child, GA_ROOT);
        RECT rect;
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        HDC dc = GetDC(window);
        long count = 0;
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x) count += GetPixel(dc, x, y) == wanted;
        ReleaseDC(window, dc);
        std::printf("%ld\n", count);
        return 0;
    }
    if (command == L"rect" && argc >= 3) return PrintRect(FindShownWindow(argv[2]));
    if (command == L"menu-rect") return PrintRect(ShownMenu());
    if (command == L"close" && argc >= 3) {
        HWND window = FindShownWindow(argv[2]);
        if (!window) return 1;
        PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    }
    if (command == L"set-item-text" && argc >= 5) {
        HWND window = FindShownWindow(argv[2]);
        HWND item = window ? GetDlgItem(window, _wtoi(argv[3])) : nullptr;
        if (!item) return 1;
        SendMessageTimeoutW(item, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[4]),
                            SMTO_ABORTIFHUNG, 2000, nullptr);
        return 0;
    }
    if (command == L"command" && argc >= 4) {
        HWND window = FindShownWindow(argv[2]);
        if (!window) return 1;
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(_wtoi(argv[3]), BN_CLICKED), 0);
        return 0;
    }
    std::fprintf(stderr, "usage: see the top of velkor_probe.cpp\n");
    return 2;
}
