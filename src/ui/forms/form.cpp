#include "ui/forms/form.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace velkor {
namespace {

[[noreturn]] void UnknownName(std::string_view form, std::string_view name) {
    std::fprintf(stderr, "form %.*s has no %.*s\n", static_cast<int>(form.size()), form.data(),
                 static_cast<int>(name.size()), name.data());
    std::abort();
}

}  // namespace

Form::Form(const FormDesign& design, std::span<const ControlDesign> controls,
           std::span<const TimerDesign> timers, std::span<const MenuDesign> menus)
    : design_(design), menus_(menus), caption_(design.caption) {
    for (const ControlDesign& control : controls) controls_.emplace_back(control).owner_ = this;
    for (const TimerDesign& timer : timers) timers_.emplace_back(timer);
}

Control& Form::control(std::string_view name) {
    for (Control& control : controls_)
        if (control.name() == name) return control;
    UnknownName(design_.name, name);
}

FormTimer& Form::timer(std::string_view name) {
    for (FormTimer& timer : timers_)
        if (timer.name() == name) return timer;
    UnknownName(design_.name, name);
}

const MenuDesign& Form::menu(std::string_view name) const {
    for (const MenuDesign& menu : menus_)
        if (menu.name == name) return menu;
    UnknownName(design_.name, name);
}

void Form::ResetToDesign() {
    for (Control& control : controls_) control.ResetToDesign();
    for (FormTimer& timer : timers_) timer.ResetToDesign();
    caption_ = design_.caption;
    visible_ = false;
    enabled_ = true;
    windowState_ = WindowState::Normal;
}

}  // namespace velkor
