// Trigger evaluation and timer control. While the timer is on, SDTimer tests the chosen
// conditions twice a second; t2 counts the seconds of low processor load. Every tick reads the
// settings afresh, so a change saved in the settings dialog takes effect at the next tick.
#include <utility>

#include "app/main_form.h"
#include "app/number_text.h"
#include "app/program.h"
#include "app/time_text.h"

namespace velkor {

void Main::shTOn_Click() {
    SDTimer.SetEnabled(true);
    Label10.SetCaption("On");
    Label10.SetForeColour(kGreen);
    program_.CpuIdleCountdown = program_.settings.CpuSeconds;
    // A new run: a second before now was not missed by it.
    previousTriggerTick_.reset();
}

void Main::shTOff_Click() {
    SDTimer.SetEnabled(false);
    t2.SetEnabled(false);
    Label10.SetCaption("Off");
    Label10.SetForeColour(kRed);
}

void Main::mnuTimerOn_Click() { shTOn_Click(); }
void Main::mnuTimerOff_Click() { shTOff_Click(); }

void Main::SDTimer_Timer() {
    PlatformServices& platform = program_.platform;
    const SettingsRecord& settings = program_.settings;
    const std::string separator = platform.locale.DecimalSeparator();

    // The meter takes its reading on every tick, whichever triggers are on.
    const std::int32_t load = CpuMeter_ ? CpuMeter_->Value() : 0;
    const TickMoment now{platform.clock.LocalNow(), platform.clock.TickCountMs()};
    const std::optional<TickMoment> previous = std::exchange(previousTriggerTick_, now);

    if (settings.TrigCpu == "1") FollowProcessorLoad(load, separator);

    if (settings.TrigRam == "1" && FreeMemoryBelowLimit(separator)) return FireTrigger(separator);

    const bool dateOn = settings.TrigDate == "1";
    const bool weekdayOn = settings.TrigWeekday == "1";
    // The locale's own texts: a stored date or weekday that differs in any character never
    // matches.
    const bool dayMatches =
        (dateOn && platform.locale.ShortDateText(now.local) == settings.DateValue) ||
        (weekdayOn && platform.locale.WeekdayName(now.local.weekday) == settings.WeekdayValue);
    if (settings.TrigTime == "1") {
        // With the time trigger on, a date or weekday only picks the day it fires on.
        if ((dayMatches || (!dateOn && !weekdayOn)) && TimeMatches(now, previous))
            FireTrigger(separator);
        return;
    }
    if (dayMatches) FireTrigger(separator);
}

void Main::t2_Timer() {
    const std::string separator = program_.platform.locale.DecimalSeparator();
    const std::string& seconds = program_.settings.CpuSeconds;
    std::string& countdown = program_.CpuIdleCountdown;

    const std::optional<double> left = NumberFromText(countdown, separator);
    if (!left) {
        // Start the count again from the setting; a setting that is no number either leaves
        // the countdown as it is, and it never fires.
        if (NumberFromText(seconds, separator)) countdown = seconds;
        return;
    }
    countdown = NumberToText(*left - 1, separator);
    if (NumberFromText(countdown, separator) != 0.0) return;

    FireTrigger(separator);
    // Kept on, t2 goes on running and a new count starts at once.
    countdown = program_.settings.CpuSeconds;
}

void Main::FireTrigger(std::string_view decimalSeparator) {
    RunActionsFromTick();
    // A keep-on setting that is no number counts as off.
    if (NumberFromText(program_.settings.OptKeepTimerOn, decimalSeparator).value_or(0) == 0)
        shTOff_Click();
}

void Main::FollowProcessorLoad(std::int32_t load, std::string_view decimalSeparator) {
    // A threshold that is no number skips the processor test in this tick.
    const std::optional<double> threshold =
        NumberFromText(program_.settings.CpuPercent, decimalSeparator);
    if (!threshold) return;
    if (*threshold > load) {
        t2.SetEnabled(true);  // a running count goes on
    } else if (*threshold < load) {
        t2.SetEnabled(false);
        program_.CpuIdleCountdown = program_.settings.CpuSeconds;
    }
}

bool Main::FreeMemoryBelowLimit(std::string_view decimalSeparator) const {
    // Before the first measurement, or with a limit that is no number, the condition does not
    // hold.
    const std::optional<double> freeBytes = NumberFromText(program_.FreeRamBytes, decimalSeparator);
    const std::optional<double> limitKb = NumberFromText(program_.settings.RamKB, decimalSeparator);
    return freeBytes && limitKb && *freeBytes / 1024 < *limitKb;
}

bool Main::TimeMatches(const TickMoment& now, const std::optional<TickMoment>& previous) const {
    const std::string& target = program_.settings.TimeValue;
    if (CurrentTimeText(now.local) == target) return true;
    return previous && MissedTargetSecond(*previous, now, target);
}

}  // namespace velkor
