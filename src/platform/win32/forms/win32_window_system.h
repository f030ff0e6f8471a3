#pragma once
// Real windows for the program's forms. Each loaded form gets a top-level window owned by a
// hidden application window (so a window without WS_EX_APPWINDOW has no taskbar button), with
// real child controls made from its table: their texts are readable with WM_GETTEXT, by
// screen readers and by tests. Control and timer changes reach the windows as they happen,
// and only when something really changed.
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "platform/win32/forms/native_form.h"
#include "platform/window_system.h"
#include "ui/forms/forms.h"

namespace velkor::win32 {

// A stored colour (0x00BBGGRR, or a system colour with the high bit set) as GDI takes it.
COLORREF ToColorRef(Colour colour);

class Win32WindowSystem : public WindowSystem, public ControlObserver, public TimerObserver {
public:
    explicit Win32WindowSystem(HINSTANCE instance);
    ~Win32WindowSystem() override;
    Win32WindowSystem(const Win32WindowSystem&) = delete;
    Win32WindowSystem& operator=(const Win32WindowSystem&) = delete;

    // The forms whose events this window system delivers; set once before the first load.
    void Attach(Forms& forms) { forms_ = &forms; }

    // Runs until the program's last window is unloaded. Returns the exit code.
    int RunMessageLoop();

    void CreateWindowFor(Form& form) override;
    void DestroyWindowOf(Form& form) override;
    void ShowWindowOf(Form& form, bool visible) override;
    void BringToFront(Form& form) override;
    void SetWindowStateOf(Form& form, WindowState state) override;
    void SetWindowEnabled(Form& form, bool enabled) override;
    std::uintptr_t WindowHandleOf(const Form& form) override;
    void ShowPopupMenu(Form& form, const MenuDesign& menu) override;
    void ProcessPendingMessages() override;
    void PumpMessages(std::uint32_t maxWaitMs) override;
    void PostDeferredEvent(Form& form) override;
    void EndProcessNow() override;
    DrawingSurface* SurfaceOf(Form& form, Control* picture) override;

    void ControlChanged(Control& control, ControlProperty property) override;
    void TimerChanged(FormTimer& timer) override;

    // The surface (form client area or picture box) for drawing, null when not loaded.
    NativeSurface* SurfaceFor(Form& form, Control* picture);
    // Shows what was drawn into a surface's persistent image.
    void RefreshSurface(NativeSurface& surface);
    int Dpi() const { return dpi_; }
    int Pixels(int twips) const { return MulDiv(twips, dpi_, 1440); }
    HWND ControlWindow(const Control& control) const { return static_cast<HWND>(control.native); }

private:
    struct EventScope;
    static LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Paints a frame whole: the group box itself leaves its inside unpainted (the window
    // draws around its children) and, with common controls 6, ignores the caption colour.
    static LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR);
    static LRESULT CALLBACK LabelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR);
    LRESULT HandleFormMessage(NativeForm& native, HWND window, UINT message, WPARAM wParam,
                              LPARAM lParam);
    void HandleCommand(NativeForm& native, HWND child, WORD code);
    void HandleScroll(NativeForm& native, HWND child, WORD code);
    LRESULT ControlColour(NativeForm& native, HDC dc, HWND child);
    void PaintSurface(NativeSurface& surface);
    friend class Win32DrawingSurface;
    HBRUSH BackgroundBrush(NativeSurface& surface);
    HBRUSH SolidBrush(Colour colour);
    HFONT Font(const FontDesign& font);

    void CreateControls(NativeForm& native);
    HWND CreateControlWindow(NativeForm& native, Control& control, int index);
    // Where a control sits, in twips relative to the window that holds it (frames are
    // not windows of their own), and that window.
    POINT TwipsOrigin(Form& form, const ControlDesign& design) const;
    NativeSurface& SurfaceHolding(NativeForm& native, const ControlDesign& design);
    void ApplyChange(Control& control, ControlProperty property);
    NativeForm* Find(const Form& form) const;
    Control* ControlOf(NativeForm& native, HWND child) const;
    void ApplyTimer(NativeForm& native, FormTimer& timer, int index);
    void AfterEvent();
    void ReleaseDestroyed();

    HINSTANCE instance_;
    Forms* forms_ = nullptr;
    HWND applicationWindow_ = nullptr;  // hidden owner of every form window
    HICON icon_ = nullptr;
    int dpi_ = 96;
    UINT taskbarCreatedMessage_ = 0;
    int eventDepth_ = 0;
    bool applyingChange_ = false;  // a change of ours, not the user's: raise no event for it
    std::map<std::wstring, bool> fontInstalled_;
    bool quitPending_ = false;
    std::vector<std::unique_ptr<NativeForm>> nativeForms_;
    std::map<Colour, UniqueBrush> solidBrushes_;
    std::map<std::tuple<std::wstring, int, bool>, UniqueFont> fonts_;
    std::map<Colour, UniquePen> pens_;
};

}  // namespace velkor::win32
