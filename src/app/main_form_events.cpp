// Routes the main window's events to its handlers.
#include "app/main_form.h"
#include "app/program.h"

namespace velkor {

void Main::OnClick(Control& control) {
    if (&control == &shTOn) return shTOn_Click();
    if (&control == &shTOff) return shTOff_Click();
    if (&control == &Settings) return Settings_Click();
    if (&control == &Label11) return Label11_Click();
    if (&control == &Label12) return Label12_Click();
    if (&control == &Label13) return Label13_Click();
    if (&control == &Label14) return Label14_Click();
    if (&control == &Label15) return Label15_Click();
    if (&control == &Label16) return Label16_Click();
}

void Main::OnMouseMove(Control* control, int, int) {
    if (!control) return Form_MouseMove();
    if (control == &Picture2) return Picture2_MouseMove();
    for (Control* label : CommandLabels())
        if (label == control) return CommandLabel_MouseMove(*control);
}

void Main::OnTrayEvent(std::uint32_t code) { TrayIcon_MouseEvent(code); }

void Main::OnTimer(FormTimer& timer) {
    if (&timer == &PrgTimer) return PrgTimer_Timer();
    if (&timer == &SDTimer) return SDTimer_Timer();
    if (&timer == &t2) return t2_Timer();
}

void Main::OnMenu(std::string_view item) {
    if (item == "mnuInfo") return mnuInfo_Click();
    if (item == "mnuSettings") return mnuSettings_Click();
    if (item == "mnuTimerOn") return mnuTimerOn_Click();
    if (item == "mnuTimerOff") return mnuTimerOff_Click();
    if (item == "mnuShutdown") return mnuShutdown_Click();
    if (item == "mnuReboot") return mnuReboot_Click();
    if (item == "mnuStandbye") return mnuStandbye_Click();
    if (item == "mnuLogoff") return mnuLogoff_Click();
    if (item == "mnuMaxme") return mnuMaxme_Click();
    if (item == "mnuMinme") return mnuMinme_Click();
    if (item == "mnuPrgend") return mnuPrgend_Click();
}

void Main::RunActionsFromTick() {
    ActionsOutcome outcome = program_.actions.RunActions();
    if (!outcome.message) return;
    // A modal box inside the tick would let timer messages through and the trigger fire
    // again behind it: show it once the tick is over.
    pendingMessages_.push_back(std::move(*outcome.message));
    program_.platform.windows.PostDeferredEvent(*this);
}

void Main::OnDeferredEvent() {
    auto messages = std::move(pendingMessages_);
    pendingMessages_.clear();
    for (const PendingMessage& message : messages)
        program_.platform.messages.Show(message.text, message.caption, message.icon);
}

}  // namespace velkor
