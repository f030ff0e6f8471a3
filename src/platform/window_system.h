#pragma once
// The window system as the program's forms need it: real windows for the form tables, their
// visibility and state, pop-up menus, and the message pump. The implementation also keeps the
// native controls in step with the controls' state (it is their ControlObserver) and runs the
// window timers (TimerObserver).
#include <cstdint>

#include "platform/drawing_surface.h"
#include "ui/forms/form.h"

namespace velkor {

// The message a notification-area icon reports its mouse events with (WM_APP + 2): one of the
// program's own, so that no real mouse move over the window can pass for a tray event. The
// window system hands it to Form::OnTrayEvent.
inline constexpr std::uint32_t kTrayCallbackMessage = 0x8000 + 2;

class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // Creates the hidden window with its controls and timers as the form's tables say.
    virtual void CreateWindowFor(Form& form) = 0;
    virtual void DestroyWindowOf(Form& form) = 0;
    virtual void ShowWindowOf(Form& form, bool visible) = 0;
    // Raises a shown window above the program's other windows.
    virtual void BringToFront(Form& form) = 0;
    virtual void SetWindowStateOf(Form& form, WindowState state) = 0;
    virtual void SetWindowEnabled(Form& form, bool enabled) = 0;
    // The native window handle (HWND), 0 when the form has no window.
    virtual std::uintptr_t WindowHandleOf(const Form& form) = 0;
    // Opens the menu at the mouse position; the chosen item goes to form.OnMenu.
    virtual void ShowPopupMenu(Form& form, const MenuDesign& menu) = 0;
    // Handles every window message that is waiting, then returns.
    virtual void ProcessPendingMessages() = 0;
    // Handles the waiting messages, then waits up to `maxWaitMs` for the next one.
    virtual void PumpMessages(std::uint32_t maxWaitMs) = 0;
    // Asks for form.OnDeferredEvent() to be called once the current event has finished (the
    // request joins the window's message queue).
    virtual void PostDeferredEvent(Form& form) = 0;
    // Ends the process at once, without returning; the caller has unloaded its windows.
    virtual void EndProcessNow() = 0;
    // The drawing surface of the form's client area (picture null) or of one of its picture
    // boxes; null while the form is not loaded.
    virtual DrawingSurface* SurfaceOf(Form& form, Control* picture) = 0;
};

}  // namespace velkor
