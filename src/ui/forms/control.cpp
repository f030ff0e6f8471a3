#include "ui/forms/control.h"

#include <algorithm>

#include "ui/forms/form.h"

namespace velkor {

void Control::ResetToDesign() {
    caption_ = design_->caption;
    foreColour_ = design_->foreColour.value_or(kBlack);
    backColour_ = design_->backColour;
    visible_ = design_->visible;
    enabled_ = true;
    // A scroll bar or progress bar starts at 0, or at the end of its range nearest to 0.
    value_ = design_->kind == ControlKind::VScrollBar || design_->kind == ControlKind::ProgressBar
                 ? std::clamp(0, design_->minimum, design_->maximum)
                 : 0;
    items_.clear();
    listIndex_ = -1;
    tag.clear();
}

void Control::RaiseChange() {
    if (owner_ && owner_->Loaded()) owner_->OnChange(*this);
}

void Control::SetCaption(std::string_view caption) {
    if (caption_ == caption) return;
    caption_ = caption;
    Notify(ControlProperty::Caption);
    if (kind() == ControlKind::TextBox) RaiseChange();
}

void Control::SetForeColour(Colour colour) {
    if (foreColour_ == colour) return;
    foreColour_ = colour;
    Notify(ControlProperty::ForeColour);
}

void Control::SetBackColour(Colour colour) {
    if (backColour_ == colour) return;
    backColour_ = colour;
    Notify(ControlProperty::BackColour);
}

void Control::SetVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    Notify(ControlProperty::Visible);
}

void Control::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    Notify(ControlProperty::Enabled);
}

void Control::SetValue(double value) {
    if (value_ == value) return;
    value_ = value;
    Notify(ControlProperty::Value);
    if (kind() == ControlKind::VScrollBar) RaiseChange();
}

void Control::AddItem(std::string item) {
    items_.push_back(std::move(item));
    Notify(ControlProperty::ListItems);
}

void Control::ClearItems() {
    if (items_.empty() && listIndex_ == -1) return;
    items_.clear();
    listIndex_ = -1;
    Notify(ControlProperty::ListItems);
}

void Control::SetListIndex(int index) {
    if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
    if (listIndex_ == index) return;
    listIndex_ = index;
    Notify(ControlProperty::ListIndex);
}

std::string Control::SelectedItem() const {
    return listIndex_ >= 0 ? items_[static_cast<std::size_t>(listIndex_)] : std::string();
}

}  // namespace velkor
