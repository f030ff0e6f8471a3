#pragma once
// The life of the program's windows: load (creating the window and running Form_Load), show,
// hide, unload (running Form_Unload). Each form object exists once for the whole run and is
// loaded on first use; unloading discards its state and the next load starts afresh from its
// tables. The program ends once no window is loaded.
#include <vector>

#include "platform/window_system.h"
#include "ui/forms/form.h"

namespace velkor {

class Forms {
public:
    explicit Forms(WindowSystem& windows) : windows_(windows) {}

    // Loads the form unless it is loaded: fresh state from its tables, a new hidden window,
    // then Form_Load.
    void Load(Form& form);
    // Loads the form if needed and shows it without blocking; an open form comes to the front.
    void Show(Form& form);
    void Hide(Form& form);
    // Runs Form_Unload (which may cancel), stops the timers and destroys the window.
    void Unload(Form& form);
    // Unloads every loaded window, the earliest loaded first.
    void UnloadAll();

    void SetWindowState(Form& form, WindowState state);
    void SetEnabled(Form& form, bool enabled);
    // The user changed the state with the window's own buttons: take note, change nothing.
    void StoreUserWindowState(Form& form, WindowState state) { form.windowState_ = state; }

    bool AnyLoaded() const { return !loaded_.empty(); }
    const std::vector<Form*>& LoadedForms() const { return loaded_; }
    WindowSystem& windowSystem() { return windows_; }

private:
    WindowSystem& windows_;
    std::vector<Form*> loaded_;
    std::vector<Form*> unloading_;
};

}  // namespace velkor
