#pragma once
// The main window: live status display, command panel, trigger timers, tray icon and menu.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "actions/action_dispatcher.h"
#include "app/missed_second.h"
#include "monitors/cls_cpu_load.h"
#include "platform/notification_area.h"
#include "ui/forms/form.h"

namespace velkor {

class Program;

class Main : public Form {
public:
    explicit Main(Program& program);

    // --- start-up and unload ---
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void DisableCloseButton(std::uintptr_t hWnd);
    // Paints the window and its panel with the two-colour gradient.
    void PaintTwoColourBackground();

    // --- trigger evaluation and timer control ---
    void shTOn_Click();
    void shTOff_Click();
    void mnuTimerOn_Click();
    void mnuTimerOff_Click();
    void SDTimer_Timer();
    void t2_Timer();

    // --- status display ---
    void PrgTimer_Timer();

    // --- commands, tray menu, hover ---
    void Settings_Click();
    void Label11_Click();
    void Label12_Click();
    void Label13_Click();
    void Label14_Click();
    void Label15_Click();
    void Label16_Click();
    void mnuInfo_Click();
    void mnuSettings_Click();
    void mnuShutdown_Click();
    void mnuReboot_Click();
    void mnuStandbye_Click();
    void mnuLogoff_Click();
    void mnuMaxme_Click();
    void mnuMinme_Click();
    void mnuPrgend_Click();
    // Hover: the label under the mouse turns red, the other command labels white.
    void CommandLabel_MouseMove(Control& label);
    void Picture2_MouseMove();
    // A mouse move over the window's own surface.
    void Form_MouseMove();
    void unmove();
    // A mouse event of the tray icon: `code` is the mouse message (515 double-click, 517
    // right button released).
    void TrayIcon_MouseEvent(std::uint32_t code);

    // Window-system events, routed to the handlers above.
    void OnClick(Control& control) override;
    void OnMouseMove(Control* control, int x, int y) override;
    void OnTimer(FormTimer& timer) override;
    void OnMenu(std::string_view item) override;
    void OnDeferredEvent() override;
    void OnTaskbarCreated() override;
    void OnTrayEvent(std::uint32_t code) override;

    // The meter of this load of the window (replaced on every load).
    clsCPULoad* CpuMeter() { return CpuMeter_.get(); }
    const TrayIconRecord& TrayIcon() const { return TrayIconRecord_; }

    // Status labels.
    Control& AkDate;
    Control& AkTime;
    Control& akw;
    Control& FreeRam;
    Control& Cpuaus;
    Control& AkInetStatus;
    Control& Label8;
    Control& Label10;
    // The command panel and its labels.
    Control& Picture2;
    Control& shTOn;
    Control& shTOff;
    Control& Settings;
    Control& Label11;
    Control& Label12;
    Control& Label13;
    Control& Label14;
    Control& Label15;
    Control& Label16;
    // Timers.
    FormTimer& SDTimer;
    FormTimer& t2;
    FormTimer& PrgTimer;

private:
    // Runs the actions and notes a message they want shown once the current tick is over.
    void RunActionsFromTick();
    // Runs the actions of a trigger that holds, then switches the timer off unless the
    // settings keep it on.
    void FireTrigger(std::string_view decimalSeparator);
    void FollowProcessorLoad(std::int32_t load, std::string_view decimalSeparator);
    bool FreeMemoryBelowLimit(std::string_view decimalSeparator) const;
    bool TimeMatches(const TickMoment& now, const std::optional<TickMoment>& previous) const;
    void RemoveTrayIcon();
    std::array<Control*, 9> CommandLabels();

    Program& program_;
    std::unique_ptr<clsCPULoad> CpuMeter_;
    TrayIconRecord TrayIconRecord_;
    std::vector<PendingMessage> pendingMessages_;
    // The previous trigger tick since the timer was switched on, for a second that fell
    // between two ticks.
    std::optional<TickMoment> previousTriggerTick_;
};

}  // namespace velkor
