#pragma once
// A window timer: ticks every `interval` milliseconds while enabled and its window is loaded.
#include <string_view>

#include "ui/forms/control_design.h"

namespace velkor {

class FormTimer;

class TimerObserver {
public:
    virtual ~TimerObserver() = default;
    virtual void TimerChanged(FormTimer& timer) = 0;
};

class FormTimer {
public:
    explicit FormTimer(const TimerDesign& design) : design_(&design) { ResetToDesign(); }
    FormTimer(const FormTimer&) = delete;
    FormTimer& operator=(const FormTimer&) = delete;

    std::string_view name() const { return design_->name; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) {
        if (enabled_ == enabled) return;
        enabled_ = enabled;
        if (observer_) observer_->TimerChanged(*this);
    }
    int Interval() const { return interval_; }

    void ResetToDesign() {
        enabled_ = design_->enabled;
        interval_ = design_->intervalMs;
    }
    void SetObserver(TimerObserver* observer) { observer_ = observer; }

    void* native = nullptr;  // the window system's timer id

private:
    const TimerDesign* design_;
    TimerObserver* observer_ = nullptr;
    bool enabled_ = false;
    int interval_ = 0;
};

}  // namespace velkor
