#pragma once
// A window system without windows: records what the program asked of it, in order, and
// every change of a control that a real window would have to show.
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "fake_drawing_surface.h"
#include "platform/window_system.h"

namespace velkor::fakes {

class FakeWindowSystem : public WindowSystem, public ControlObserver, public TimerObserver {
public:
    std::vector<std::string> calls;
    std::string nextMenuChoice;  // the item the user picks in the next pop-up menu
    int pendingMessageRounds = 0;
    // Runs on every PumpMessages, with the longest it may wait (a test moves its clock here).
    std::function<void(std::uint32_t maxWaitMs)> onPump;

    void CreateWindowFor(Form& form) override {
        calls.push_back("create " + std::string(form.name()));
        for (Control& control : form.controls()) control.SetObserver(this);
        for (FormTimer& timer : form.timers()) timer.SetObserver(this);
    }
    void DestroyWindowOf(Form& form) override {
        calls.push_back("destroy " + std::string(form.name()));
        for (Control& control : form.controls()) control.SetObserver(nullptr);
        for (FormTimer& timer : form.timers()) timer.SetObserver(nullptr);
    }
    void ShowWindowOf(Form& form, bool visible) override {
        calls.push_back((visible ? "show " : "hide ") + std::string(form.name()));
    }
    void BringToFront(Form& form) override { calls.push_back("front " + std::string(form.name())); }
    void SetWindowStateOf(Form& form, WindowState state) override {
        calls.push_back((state == WindowState::Minimized ? "minimise " : "restore ") +
                        std::string(form.name()));
    }
    void SetWindowEnabled(Form& form, bool enabled) override {
        calls.push_back((enabled ? "enable " : "disable ") + std::string(form.name()));
    }
    std::uintptr_t WindowHandleOf(const Form& form) override {
        return form.Loaded() ? 0x1000 + reinterpret_cast<std::uintptr_t>(&form) % 0x1000 : 0;
    }
    void ShowPopupMenu(Form& form, const MenuDesign& menu) override {
        calls.push_back("popup " + std::string(menu.name));
        if (!nextMenuChoice.empty()) form.OnMenu(std::exchange(nextMenuChoice, {}));
    }
    void ProcessPendingMessages() override { ++pendingMessageRounds; }
    void PumpMessages(std::uint32_t maxWaitMs) override {
        ++pendingMessageRounds;
        if (onPump) onPump(maxWaitMs);
    }
    void PostDeferredEvent(Form& form) override {
        calls.push_back("post " + std::string(form.name()));
        deferred.push_back(&form);
    }
    // Records the request; the test goes on as if the process had ended here.
    void EndProcessNow() override { calls.push_back("end process"); }
    // Delivers the deferred events, as the message loop would after the current event.
    void DeliverDeferredEvents() {
        for (auto forms = std::exchange(deferred, {}); Form* form : forms) form->OnDeferredEvent();
    }
    DrawingSurface* SurfaceOf(Form& form, Control* picture) override {
        if (!form.Loaded()) return nullptr;
        return &surfaces.try_emplace({&form, picture}, 100.0, 100.0).first->second;
    }
    std::vector<Form*> deferred;
    std::map<std::pair<Form*, Control*>, FakeDrawingSurface> surfaces;

    void ControlChanged(Control& control, ControlProperty property) override {
        std::string what = std::string(control.name()) + ".";
        switch (property) {
            case ControlProperty::Caption: what += "Caption=" + control.Caption(); break;
            case ControlProperty::ForeColour: what += "ForeColour=" + std::to_string(control.ForeColour()); break;
            case ControlProperty::BackColour: what += "BackColour"; break;
            case ControlProperty::Visible: what += control.Visible() ? "Visible=1" : "Visible=0"; break;
            case ControlProperty::Enabled: what += control.Enabled() ? "Enabled=1" : "Enabled=0"; break;
            case ControlProperty::Value: what += "Value=" + std::to_string(control.Value()); break;
            case ControlProperty::ListItems: what += "Items"; break;
            case ControlProperty::ListIndex: what += "ListIndex=" + std::to_string(control.ListIndex()); break;
        }
        changes.push_back(what);
    }
    void TimerChanged(FormTimer& timer) override {
        changes.push_back(std::string(timer.name()) + (timer.Enabled() ? ".Enabled=1" : ".Enabled=0"));
    }
    std::vector<std::string> changes;
};

}  // namespace velkor::fakes
