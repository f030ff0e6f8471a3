#pragma once
// A window timer: ticks every `interval` milliseconds while enabled and its window is loaded.
#include <string_view>

#include "ui/forms/control_spec.h"

namespace velkor {

class FormTimer;

class TimerObserver {
public:
    virtual ~TimerObserver() = default;
    virtual void TimerChanged(FormTimer& timer) = 0;
};

class FormTimer {
public:
    explicit FormTimer(const TimerSpec& spec) : spec_(&spec) { ResetToDesign(); }
    FormTimer(const FormTimer&) = delete;
    FormTimer& operator=(const FormTimer&) = delete;

    std::string_view name() const { return spec_->name; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) {
        if (enabled_ == enabled) return;
        enabled_ = enabled;
        if (observer_) observer_->TimerChanged(*this);
    }
    int Interval() const { return interval_; }

    void ResetToDesign() {
        enabled_ = spec_->enabled;
        interval_ = spec_->intervalMs;
    }
    void SetObserver(TimerObserver* observer) { observer_ = observer; }

    void* native = nullptr;  // the window system's timer id

private:
    const TimerSpec* spec_;
    TimerObserver* observer_ = nullptr;
    bool enabled_ = false;
    int interval_ = 0;
};

}  // namespace velkor
