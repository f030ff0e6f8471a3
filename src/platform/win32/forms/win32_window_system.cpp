#include "platform/win32/forms/win32_window_system.h"

#include <windows.h>
#include <commctrl.h>
#include <uxtheme.h>
#include <windowsx.h>

#include <algorithm>
#include <cmath>

#include "platform/win32/forms/win32_drawing_surface.h"
#include "platform/win32/forms/window_constants.h"
#include "platform/win32/wide_text.h"

namespace velkor::win32 {

static_assert(kTrayCallbackMessage == WM_APP + 2 && kTrayCallbackMessage != kDeferredEventMessage,
              "the tray reports on a message of the program's own");

COLORREF ToColorRef(Colour colour) {
    // Values with the high bit set name a system colour, as a window's default back colour does.
    if (colour & 0x80000000u) return GetSysColor(static_cast<int>(colour & 0xFF));
    return static_cast<COLORREF>(colour & 0xFFFFFF);
}

namespace {

NativeForm* NativeFormOf(HWND window) {
    return reinterpret_cast<NativeForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// The first control that takes the focus with Tab: the one a window opens with.
HWND FirstTabStop(HWND window) {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        if ((style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED)) return child;
    }
    return nullptr;
}

bool HasCloseCommand(HWND window) {
    HMENU menu = GetSystemMenu(window, FALSE);
    return menu && GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) != static_cast<UINT>(-1);
}

}  // namespace

// Counts the handlers that are running; when the outermost one returns, windows that were
// destroyed meanwhile are released, and the program ends if no window is left.
struct Win32WindowSystem::EventScope {
    explicit EventScope(Win32WindowSystem& system) : system_(system) { ++system_.eventDepth_; }
    ~EventScope() {
        if (--system_.eventDepth_ == 0) system_.AfterEvent();
    }
    EventScope(const EventScope&) = delete;
    EventScope& operator=(const EventScope&) = delete;

private:
    Win32WindowSystem& system_;
};

Win32WindowSystem::Win32WindowSystem(HINSTANCE instance) : instance_(instance) {
    HDC screen = GetDC(nullptr);
    dpi_ = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    icon_ = LoadIconW(instance, MAKEINTRESOURCEW(1));
    if (!icon_) icon_ = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));

    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = FormProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon_;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = kFormClass;
    RegisterClassExW(&windowClass);
    windowClass.hIcon = nullptr;
    windowClass.lpszClassName = kPictureClass;
    RegisterClassExW(&windowClass);
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.lpszClassName = kApplicationClass;
    RegisterClassExW(&windowClass);

    applicationWindow_ = CreateWindowExW(0, kApplicationClass, L"Velkor", WS_POPUP, 0, 0, 0, 0,
                                         nullptr, nullptr, instance, nullptr);
    taskbarCreatedMessage_ = RegisterWindowMessageW(L"TaskbarCreated");
}

Win32WindowSystem::~Win32WindowSystem() {
    for (auto& native : nativeForms_) {
        if (!native->destroyed && native->window) {
            native->destroyed = true;
            DestroyWindow(native->window);
        }
    }
    nativeForms_.clear();
    if (applicationWindow_) DestroyWindow(applicationWindow_);
}

int Win32WindowSystem::RunMessageLoop() {
    if (!forms_ || !forms_->AnyLoaded()) return 0;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
        const bool keyboard = message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST;
        // Tab moves the focus through a window's controls, as in a dialog.
        if (keyboard && root && NativeFormOf(root) && IsDialogMessageW(root, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

void Win32WindowSystem::ProcessPendingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));  // for the outer loop
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void Win32WindowSystem::PumpMessages(std::uint32_t maxWaitMs) {
    ProcessPendingMessages();
    MsgWaitForMultipleObjectsEx(0, nullptr, maxWaitMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    ProcessPendingMessages();
}

void Win32WindowSystem::PostDeferredEvent(Form& form) {
    if (NativeForm* native = Find(form)) PostMessageW(native->window, kDeferredEventMessage, 0, 0);
}

void Win32WindowSystem::EndProcessNow() { ExitProcess(0); }

DrawingSurface* Win32WindowSystem::SurfaceOf(Form& form, Control* picture) {
    NativeSurface* surface = SurfaceFor(form, picture);
    if (!surface) return nullptr;
    if (!surface->drawing) surface->drawing = std::make_unique<Win32DrawingSurface>(*this, *surface);
    return surface->drawing.get();
}

void Win32WindowSystem::AfterEvent() {
    ReleaseDestroyed();
    if (forms_ && !forms_->AnyLoaded() && !quitPending_) {
        quitPending_ = true;
        PostQuitMessage(0);
    }
}

void Win32WindowSystem::ReleaseDestroyed() {
    std::erase_if(nativeForms_, [](const auto& native) { return native->destroyed; });
}

NativeForm* Win32WindowSystem::Find(const Form& form) const {
    for (const auto& native : nativeForms_)
        if (native->form == &form && !native->destroyed) return native.get();
    return nullptr;
}

void Win32WindowSystem::CreateWindowFor(Form& form) {
    auto native = std::make_unique<NativeForm>();
    native->system = this;
    native->form = &form;
    const FormDesign& design = form.design();

    DWORD style = WS_CLIPCHILDREN;
    DWORD exStyle = design.showInTaskbar ? WS_EX_APPWINDOW : 0;
    switch (design.border) {
        case BorderStyle::FixedSingle:
            style |= WS_OVERLAPPED | WS_CAPTION;
            break;
        case BorderStyle::FixedDialog:
            style |= WS_POPUP | WS_CAPTION;
            exStyle |= WS_EX_DLGMODALFRAME;
            break;
        case BorderStyle::FixedToolWindow:
            style |= WS_POPUP | WS_CAPTION;
            exStyle |= WS_EX_TOOLWINDOW;
            break;
        case BorderStyle::NoCaption:
            style |= WS_POPUP | WS_DLGFRAME;
            break;
    }
    if (design.controlBox && design.border != BorderStyle::NoCaption) style |= WS_SYSMENU;
    if (design.minButton) style |= WS_MINIMIZEBOX;

    RECT frame = {0, 0, Pixels(design.clientWidthTwips), Pixels(design.clientHeightTwips)};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    int x = CW_USEDEFAULT, y = CW_USEDEFAULT;
    if (design.startPosition == StartPosition::CenterScreen || (style & WS_POPUP)) {
        RECT work;
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        x = work.left + (work.right - work.left - width) / 2;
        y = work.top + (work.bottom - work.top - height) / 2;
    }
    native->window =
        CreateWindowExW(exStyle, kFormClass, Widen(form.Caption()).c_str(), style, x, y, width,
                        height, applicationWindow_, nullptr, instance_, native.get());
    NativeSurface& surface = native->surfaces.emplace_back();
    surface.window = native->window;
    surface.backColour = design.backColour;

    NativeForm& created = *native;
    nativeForms_.push_back(std::move(native));
    CreateControls(created);
    int index = 0;
    for (FormTimer& timer : form.timers()) {
        timer.native = &created;
        timer.SetObserver(this);
        ApplyTimer(created, timer, index++);
    }
}

void Win32WindowSystem::DestroyWindowOf(Form& form) {
    NativeForm* native = Find(form);
    if (!native) return;
    for (Control& control : form.controls()) {
        control.SetObserver(nullptr);
        control.native = nullptr;
    }
    for (FormTimer& timer : form.timers()) {
        timer.SetObserver(nullptr);
        timer.native = nullptr;
    }
    native->destroyed = true;
    DestroyWindow(native->window);
    if (eventDepth_ == 0) ReleaseDestroyed();
}

void Win32WindowSystem::ShowWindowOf(Form& form, bool visible) {
    if (NativeForm* native = Find(form)) {
        ShowWindow(native->window, visible ? SW_SHOW : SW_HIDE);
        if (visible) UpdateWindow(native->window);
    }
}

void Win32WindowSystem::BringToFront(Form& form) {
    if (NativeForm* native = Find(form)) {
        BringWindowToTop(native->window);
        SetForegroundWindow(native->window);
    }
}

void Win32WindowSystem::SetWindowStateOf(Form& form, WindowState state) {
    if (NativeForm* native = Find(form))
        ShowWindow(native->window, state == WindowState::Minimized ? SW_MINIMIZE : SW_RESTORE);
}

void Win32WindowSystem::SetWindowEnabled(Form& form, bool enabled) {
    if (NativeForm* native = Find(form)) EnableWindow(native->window, enabled);
}

std::uintptr_t Win32WindowSystem::WindowHandleOf(const Form& form) {
    NativeForm* native = Find(form);
    return native ? reinterpret_cast<std::uintptr_t>(native->window) : 0;
}

void Win32WindowSystem::ShowPopupMenu(Form& form, const MenuDesign& menu) {
    NativeForm* native = Find(form);
    if (!native) return;
    UniqueMenu popup(CreatePopupMenu());
    for (std::size_t i = 0; i < menu.itemCount; ++i) {
        const MenuItemDesign& item = menu.items[i];
        if (item.caption == "-")
            AppendMenuW(popup.get(), MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuW(popup.get(), MF_STRING, i + 1, Widen(item.caption).c_str());
    }
    POINT cursor;
    GetCursorPos(&cursor);
    // Without the foreground the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(native->window);
    const UINT chosen =
        TrackPopupMenuEx(popup.get(), TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD, cursor.x,
                         cursor.y, native->window, nullptr);
    PostMessageW(native->window, WM_NULL, 0, 0);
    if (chosen >= 1 && chosen <= menu.itemCount) {
        EventScope scope(*this);
        form.OnMenu(menu.items[chosen - 1].name);
    }
}

void Win32WindowSystem::ApplyTimer(NativeForm& native, FormTimer& timer, int index) {
    const UINT_PTR id = static_cast<UINT_PTR>(index) + 1;
    if (timer.Enabled() && timer.Interval() > 0)
        SetTimer(native.window, id, static_cast<UINT>(timer.Interval()), nullptr);
    else
        KillTimer(native.window, id);
}

void Win32WindowSystem::TimerChanged(FormTimer& timer) {
    auto* native = static_cast<NativeForm*>(timer.native);
    if (!native || native->destroyed) return;
    int index = 0;
    for (FormTimer& candidate : native->form->timers()) {
        if (&candidate == &timer) return ApplyTimer(*native, timer, index);
        ++index;
    }
}

NativeSurface* Win32WindowSystem::SurfaceFor(Form& form, Control* picture) {
    NativeForm* native = Find(form);
    if (!native) return nullptr;
    for (NativeSurface& surface : native->surfaces)
        if (surface.picture == picture) return &surface;
    return nullptr;
}

void Win32WindowSystem::RefreshSurface(NativeSurface& surface) {
    surface.brushStale = true;
    RedrawWindow(surface.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

LRESULT CALLBACK Win32WindowSystem::FormProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    NativeForm* native = NativeFormOf(window);
    if (!native || native->destroyed || !native->system)
        return DefWindowProcW(window, message, wParam, lParam);
    return native->system->HandleFormMessage(*native, window, message, wParam, lParam);
}

LRESULT Win32WindowSystem::HandleFormMessage(NativeForm& native, HWND window, UINT message,
                                             WPARAM wParam, LPARAM lParam) {
    Form& form = *native.form;
    switch (message) {
        case WM_COMMAND:
            if (lParam && LOWORD(wParam) >= kFirstControlId) {
                EventScope scope(*this);
                HandleCommand(native, reinterpret_cast<HWND>(lParam), HIWORD(wParam));
            }
            return 0;
        case WM_VSCROLL:
            if (lParam) {
                EventScope scope(*this);
                HandleScroll(native, reinterpret_cast<HWND>(lParam), LOWORD(wParam));
            }
            return 0;
        case WM_CTLCOLORSTATIC:
            return ControlColour(native, reinterpret_cast<HDC>(wParam),
                                 reinterpret_cast<HWND>(lParam));
        case WM_ERASEBKGND:
            return 1;  // the whole surface is painted in WM_PAINT
        case WM_PAINT:
            if (NativeSurface* surface = native.SurfaceOf(window)) {
                PaintSurface(*surface);
                return 0;
            }
            break;
        case WM_MOUSEMOVE: {
            EventScope scope(*this);
            NativeSurface* surface = native.SurfaceOf(window);
            form.OnMouseMove(surface ? surface->picture : nullptr, GET_X_LPARAM(lParam),
                             GET_Y_LPARAM(lParam));
            return 0;
        }
        case WM_TIMER: {
            if (window != native.window) break;
            const std::size_t index = wParam - 1;
            if (index < form.timers().size() && form.timers()[index].Enabled()) {
                EventScope scope(*this);
                form.OnTimer(form.timers()[index]);
            }
            return 0;
        }
        case WM_ACTIVATE:
            // As a dialog does: the focus goes to the control that had it when the window was
            // left, at the first opening to the first control in Tab order.
            if (window != native.window) break;
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus && IsChild(window, focus)) native.lastFocus = focus;
            } else if (!HIWORD(wParam)) {
                HWND target = native.lastFocus && IsWindow(native.lastFocus) ? native.lastFocus
                                                                            : FirstTabStop(window);
                if (target) {
                    SetFocus(target);
                    return 0;
                }
            }
            break;
        case WM_CLOSE:
            // A window whose Close command was removed from its system menu cannot be closed.
            if (window == native.window && HasCloseCommand(window)) {
                EventScope scope(*this);
                forms_->Unload(form);
            }
            return 0;
        case WM_SIZE:
            if (window == native.window && forms_) {
                if (wParam == SIZE_MINIMIZED)
                    forms_->StoreUserWindowState(form, WindowState::Minimized);
                else if (wParam == SIZE_RESTORED)
                    forms_->StoreUserWindowState(form, WindowState::Normal);
            }
            break;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wParam && window == native.window && forms_) {
                EventScope scope(*this);
                forms_->UnloadAll();
            }
            return 0;
        case kDeferredEventMessage:
            if (window == native.window) {
                EventScope scope(*this);
                form.OnDeferredEvent();
            }
            return 0;
        case kTrayCallbackMessage:
            // The shell's first icon version: the mouse message in lParam, the icon id in wParam.
            if (window == native.window) {
                EventScope scope(*this);
                form.OnTrayEvent(LOWORD(lParam));
            }
            return 0;
        default:
            if (message == taskbarCreatedMessage_ && window == native.window) {
                EventScope scope(*this);
                form.OnTaskbarCreated();
                return 0;
            }
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK Win32WindowSystem::FrameProc(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam, UINT_PTR, DWORD_PTR) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // painted whole in WM_PAINT
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            // The frame's own back colour, or the window's background lined up under it; the
            // caption colour comes with it.
            auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
                GetParent(window), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                reinterpret_cast<LPARAM>(window)));
            RECT client;
            GetClientRect(window, &client);
            if (brush) FillRect(dc, &client, brush);
            SelectInScope font(dc, reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
            TEXTMETRICW metrics;
            GetTextMetricsW(dc, &metrics);
            RECT border = client;
            border.top += metrics.tmHeight / 2 - 1;
            DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);
            const int length = GetWindowTextLengthW(window);
            if (length > 0) {
                std::wstring caption(static_cast<std::size_t>(length) + 1, L'\0');
                GetWindowTextW(window, caption.data(), length + 1);
                caption.resize(static_cast<std::size_t>(length));
                RECT text = {client.left + 8, client.top, client.right - 8, client.top + metrics.tmHeight};
                DrawTextW(dc, caption.c_str(), length, &text, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
                RECT behind = {text.left - 1, text.top, text.right + 1, text.bottom};
                if (brush) FillRect(dc, &behind, brush);
                SetBkMode(dc, TRANSPARENT);
                DrawTextW(dc, caption.c_str(), length, &text, DT_SINGLELINE | DT_NOPREFIX);
            }
            EndPaint(window, &paint);
            return 0;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(window, FrameProc, kFrameSubclassId);
            break;
        default:
            break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK Win32WindowSystem::LabelProc(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    if (message == WM_MOUSEMOVE) {
        auto* system = reinterpret_cast<Win32WindowSystem*>(data);
        NativeForm* native = NativeFormOf(GetAncestor(window, GA_ROOT));
        if (native && !native->destroyed) {
            if (Control* control = system->ControlOf(*native, window)) {
                EventScope scope(*system);
                native->form->OnMouseMove(control, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            }
        }
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, LabelProc, kLabelSubclassId);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

Control* Win32WindowSystem::ControlOf(NativeForm& native, HWND child) const {
    const int index = GetDlgCtrlID(child) - kFirstControlId;
    auto& controls = native.form->controls();
    if (index < 0 || static_cast<std::size_t>(index) >= controls.size()) return nullptr;
    Control& control = controls[static_cast<std::size_t>(index)];
    return control.native == child ? &control : nullptr;
}

void Win32WindowSystem::HandleCommand(NativeForm& native, HWND child, WORD code) {
    Control* control = ControlOf(native, child);
    if (!control) return;
    Form& form = *native.form;
    switch (control->kind()) {
        case ControlKind::Label:
            if (code == STN_CLICKED) form.OnClick(*control);
            break;
        case ControlKind::Button:
            if (code == BN_CLICKED) form.OnClick(*control);
            break;
        case ControlKind::CheckBox:
            if (code == BN_CLICKED) {
                control->StoreUserValue(
                    static_cast<double>(SendMessageW(child, BM_GETCHECK, 0, 0)));
                form.OnClick(*control);
            }
            break;
        case ControlKind::TextBox:
            if (code == EN_CHANGE && !applyingChange_) {
                const int length = GetWindowTextLengthW(child);
                std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
                GetWindowTextW(child, text.data(), length + 1);
                text.resize(static_cast<std::size_t>(length));
                control->StoreUserText(Narrow(text));
                form.OnChange(*control);
            }
            break;
        case ControlKind::ListBox:
            if (code == LBN_SELCHANGE) {
                control->StoreUserListIndex(static_cast<int>(SendMessageW(child, LB_GETCURSEL, 0, 0)));
                form.OnClick(*control);
            }
            break;
        default:
            break;
    }
}

void Win32WindowSystem::HandleScroll(NativeForm& native, HWND child, WORD code) {
    Control* control = ControlOf(native, child);
    if (!control || control->kind() != ControlKind::VScrollBar) return;
    const ControlDesign& design = control->design();
    int value = static_cast<int>(control->Value());
    switch (code) {
        case SB_LINEUP: case SB_PAGEUP: --value; break;
        case SB_LINEDOWN: case SB_PAGEDOWN: ++value; break;
        case SB_TOP: value = design.minimum; break;
        case SB_BOTTOM: value = design.maximum; break;
        case SB_THUMBPOSITION: {
            SCROLLINFO info = {sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
            GetScrollInfo(child, SB_CTL, &info);
            value = info.nTrackPos;
            break;
        }
        default: return;
    }
    value = std::clamp(value, design.minimum, design.maximum);
    if (value == static_cast<int>(control->Value())) return;
    SetScrollPos(child, SB_CTL, value, TRUE);
    control->StoreUserValue(value);
    native.form->OnChange(*control);
}

LRESULT Win32WindowSystem::ControlColour(NativeForm& native, HDC dc, HWND child) {
    Control* control = ControlOf(native, child);
    const bool drawnByUs = control && (control->kind() == ControlKind::Label ||
                                       control->kind() == ControlKind::CheckBox ||
                                       control->kind() == ControlKind::Frame ||
                                       control->kind() == ControlKind::Image);
    if (!drawnByUs) return DefWindowProcW(GetParent(child), WM_CTLCOLORSTATIC,
                                          reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child));
    SetTextColor(dc, ToColorRef(control->ForeColour()));
    if (const auto back = control->BackColour()) {
        SetBkColor(dc, ToColorRef(*back));
        return reinterpret_cast<LRESULT>(SolidBrush(*back));
    }
    // Transparent: the container's background (plain or gradient) shows through, the brush
    // lined up with the container so the gradient continues under the control.
    SetBkMode(dc, TRANSPARENT);
    NativeSurface* surface = native.SurfaceOf(GetParent(child));
    if (!surface) return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    POINT origin = {0, 0};
    MapWindowPoints(child, surface->window, &origin, 1);
    SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
    return reinterpret_cast<LRESULT>(BackgroundBrush(*surface));
}

HBRUSH Win32WindowSystem::SolidBrush(Colour colour) {
    UniqueBrush& brush = solidBrushes_[colour];
    if (!brush) brush.reset(CreateSolidBrush(ToColorRef(colour)));
    return brush.get();
}

HBRUSH Win32WindowSystem::BackgroundBrush(NativeSurface& surface) {
    if (surface.brushStale || !surface.backgroundBrush) {
        surface.backgroundBrush.reset(surface.image ? CreatePatternBrush(surface.image.get())
                                                    : CreateSolidBrush(ToColorRef(surface.backColour)));
        surface.brushStale = false;
    }
    return surface.backgroundBrush.get();
}

void Win32WindowSystem::PaintSurface(NativeSurface& surface) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(surface.window, &paint);
    RECT client;
    GetClientRect(surface.window, &client);
    FillRect(dc, &client, SolidBrush(surface.backColour));
    if (surface.image) {
        UniqueMemoryDC memory(CreateCompatibleDC(dc));
        SelectInScope select(memory.get(), surface.image.get());
        BitBlt(dc, 0, 0, surface.imageSize.cx, surface.imageSize.cy, memory.get(), 0, 0, SRCCOPY);
    }
    for (const NativeSurface::Fill& fill : surface.fills) FillRect(dc, &fill.rect, SolidBrush(fill.colour));
    for (const NativeSurface::Line& line : surface.lines) {
        UniquePen& pen = pens_[line.colour];
        if (!pen) pen.reset(CreatePen(PS_SOLID, 1, ToColorRef(line.colour)));
        SelectInScope select(dc, pen.get());
        MoveToEx(dc, line.from.x, line.from.y, nullptr);
        LineTo(dc, line.to.x, line.to.y);
    }
    EndPaint(surface.window, &paint);
}

}  // namespace velkor::win32
