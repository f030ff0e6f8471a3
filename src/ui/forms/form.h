#pragma once
// A window of the program, declared as data (its table of controls, timers and menus) plus
// handlers. The window system turns the table into a real window when the form is loaded and
// calls the handlers for the events of its controls.
#include <cstdint>
#include <deque>
#include <span>
#include <string_view>

#include "ui/forms/control.h"
#include "ui/forms/form_design.h"
#include "ui/forms/form_timer.h"

namespace velkor {

enum class WindowState { Normal, Minimized };

class Form {
public:
    Form(const FormDesign& design, std::span<const ControlDesign> controls,
         std::span<const TimerDesign> timers = {}, std::span<const MenuDesign> menus = {});
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const FormDesign& design() const { return design_; }
    std::string_view name() const { return design_.name; }
    std::deque<Control>& controls() { return controls_; }
    std::deque<FormTimer>& timers() { return timers_; }
    std::span<const MenuDesign> menus() const { return menus_; }

    // The named control or timer; a name that is not in the table is a programming error.
    Control& control(std::string_view name);
    FormTimer& timer(std::string_view name);
    const MenuDesign& menu(std::string_view name) const;

    const std::string& Caption() const { return caption_; }
    bool Loaded() const { return loaded_; }
    bool Visible() const { return visible_; }
    bool Enabled() const { return enabled_; }
    WindowState State() const { return windowState_; }

    // Handlers. Form_Load runs after the window and its controls exist, before it is shown.
    virtual void Form_Load() {}
    virtual void Form_Unload(bool& /*cancel*/) {}
    virtual void OnClick(Control&) {}
    // Mouse position in pixels within the control (or the window when `control` is null).
    virtual void OnMouseMove(Control* /*control*/, int /*x*/, int /*y*/) {}
    virtual void OnChange(Control&) {}
    virtual void OnTimer(FormTimer&) {}
    virtual void OnMenu(std::string_view /*item*/) {}
    // Requested with WindowSystem::PostDeferredEvent; runs after the requesting event ended.
    virtual void OnDeferredEvent() {}
    // The shell (taskbar) was restarted: notification-area icons must be added again.
    virtual void OnTaskbarCreated() {}
    // A mouse event of the window's notification-area icon (an icon added with
    // kTrayCallbackMessage); `code` is the mouse message, such as 517 for a right-button release.
    virtual void OnTrayEvent(std::uint32_t /*code*/) {}
    // Windows is ending the session: unload without asking.
    virtual bool UnloadsAtSessionEnd() const { return true; }

private:
    friend class Forms;
    void ResetToDesign();

    const FormDesign& design_;
    std::deque<Control> controls_;  // stable addresses: handlers keep references
    std::deque<FormTimer> timers_;
    std::span<const MenuDesign> menus_;
    std::string caption_;
    bool loaded_ = false;
    bool visible_ = false;
    bool enabled_ = true;
    WindowState windowState_ = WindowState::Normal;
};

}  // namespace velkor
