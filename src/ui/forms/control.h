#pragma once
// The live state of one control: what the program reads and writes while its window is
// loaded. Every change that really changes something is passed to the observer (the window
// system), so an unchanged label is never repainted.
#include <string>
#include <vector>

#include "ui/forms/control_design.h"

namespace velkor {

class Control;
class Form;

enum class ControlProperty { Caption, ForeColour, BackColour, Visible, Enabled, Value, ListItems, ListIndex };

class ControlObserver {
public:
    virtual ~ControlObserver() = default;
    virtual void ControlChanged(Control& control, ControlProperty property) = 0;
};

class Control {
public:
    explicit Control(const ControlDesign& design) : design_(&design) { ResetToDesign(); }
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const ControlDesign& design() const { return *design_; }
    std::string_view name() const { return design_->name; }
    ControlKind kind() const { return design_->kind; }

    // Caption of a label, button, check box or frame; the text of a text box.
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string_view caption);
    const std::string& Text() const { return caption_; }
    void SetText(std::string_view text) { SetCaption(text); }

    Colour ForeColour() const { return foreColour_; }
    void SetForeColour(Colour colour);
    // Empty when the control shows its container's background.
    std::optional<Colour> BackColour() const { return backColour_; }
    void SetBackColour(Colour colour);

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // Check state (0 unchecked, 1 checked, 2 grey), scroll or progress position.
    double Value() const { return value_; }
    void SetValue(double value);

    const std::vector<std::string>& Items() const { return items_; }
    void AddItem(std::string item);
    void ClearItems();
    // The selected item, -1 for none.
    int ListIndex() const { return listIndex_; }
    void SetListIndex(int index);
    // The selected item's text, empty when none is selected.
    std::string SelectedItem() const;

    // Free text the program keeps with the control; never shown.
    std::string tag;

    // The program setting a scroll bar's value or a text box's text raises the control's
    // Change event, as the user's change does.

    // Changes the user made in the native control: stored without telling the observer.
    void StoreUserText(std::string_view text) { caption_ = text; }
    void StoreUserValue(double value) { value_ = value; }
    void StoreUserListIndex(int index) { listIndex_ = index; }

    void ResetToDesign();
    void SetObserver(ControlObserver* observer) { observer_ = observer; }

    // Whatever the window system keeps for this control (its native handle).
    void* native = nullptr;

private:
    friend class Form;
    void Notify(ControlProperty property) {
        if (observer_) observer_->ControlChanged(*this, property);
    }
    void RaiseChange();

    const ControlDesign* design_;
    Form* owner_ = nullptr;
    ControlObserver* observer_ = nullptr;
    std::string caption_;
    Colour foreColour_ = kBlack;
    std::optional<Colour> backColour_;
    bool visible_ = true;
    bool enabled_ = true;
    double value_ = 0;
    std::vector<std::string> items_;
    int listIndex_ = -1;
};

}  // namespace velkor
