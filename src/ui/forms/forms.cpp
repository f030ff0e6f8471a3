#include "ui/forms/forms.h"

#include <algorithm>

namespace velkor {

void Forms::Load(Form& form) {
    if (form.loaded_) return;
    form.ResetToDesign();
    form.loaded_ = true;
    loaded_.push_back(&form);
    windows_.CreateWindowFor(form);
    form.Form_Load();
}

void Forms::Show(Form& form) {
    Load(form);
    if (!form.loaded_) return;  // Form_Load unloaded it again
    if (form.visible_) {
        windows_.BringToFront(form);
        return;
    }
    form.visible_ = true;
    windows_.ShowWindowOf(form, true);
}

void Forms::Hide(Form& form) {
    if (!form.loaded_ || !form.visible_) return;
    form.visible_ = false;
    windows_.ShowWindowOf(form, false);
}

void Forms::Unload(Form& form) {
    if (!form.loaded_) return;
    if (std::find(unloading_.begin(), unloading_.end(), &form) != unloading_.end()) return;
    unloading_.push_back(&form);
    bool cancel = false;
    form.Form_Unload(cancel);
    unloading_.erase(std::find(unloading_.begin(), unloading_.end(), &form));
    if (cancel || !form.loaded_) return;

    for (FormTimer& timer : form.timers_) timer.SetEnabled(false);
    windows_.DestroyWindowOf(form);
    form.loaded_ = false;
    form.visible_ = false;
    loaded_.erase(std::find(loaded_.begin(), loaded_.end(), &form));
}

void Forms::UnloadAll() {
    const std::vector<Form*> forms = loaded_;
    for (Form* form : forms) Unload(*form);
}

void Forms::SetWindowState(Form& form, WindowState state) {
    if (!form.loaded_ || form.windowState_ == state) return;
    form.windowState_ = state;
    windows_.SetWindowStateOf(form, state);
}

void Forms::SetEnabled(Form& form, bool enabled) {
    if (!form.loaded_ || form.enabled_ == enabled) return;
    form.enabled_ = enabled;
    windows_.SetWindowEnabled(form, enabled);
}

}  // namespace velkor
