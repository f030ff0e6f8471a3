// Start-up and unload of the main window.
#include "app/main_form.h"
#include "app/program.h"
#include "app/programm_module.h"
#include "ui/two_colour.h"

namespace velkor {
namespace {

constexpr std::uint32_t kTrayIconId = 1;
constexpr std::size_t kTipLength = 64;

}  // namespace

void Main::Form_Load() {
    PlatformServices& platform = program_.platform;
    Forms& forms = program_.forms;
    SettingsRecord& settings = program_.settings;

    forms.Hide(*this);
    // May unload and reload this window (upgrade, first start) before it returns; the rest of
    // this start-up then runs once more on the reloaded window, with the same outcome.
    program_.FollowStartupDecision(program_.store.LoadSettings(settings));

    TrayIconRecord_.cbSize = 88;
    TrayIconRecord_.hWnd = platform.windows.WindowHandleOf(*this);
    TrayIconRecord_.uID = kTrayIconId;
    TrayIconRecord_.uFlags = kNifMessage | kNifIcon | kNifTip;
    TrayIconRecord_.uCallbackMessage = kTrayCallbackMessage;
    TrayIconRecord_.hIcon = platform.windowApi.ProgramIcon();
    TrayIconRecord_.szTip = Caption();
    TrayIconRecord_.szTip += '\0';
    TrayIconRecord_.szTip.resize(kTipLength, ' ');
    platform.tray.NotifyIcon(kNimAdd, TrayIconRecord_);

    // Set once: after midnight it still shows the weekday of the start.
    if (auto weekday = platform.locale.WeekdayName(platform.clock.LocalNow().weekday))
        akw.SetCaption(*weekday);

    CpuMeter_ = std::make_unique<clsCPULoad>(platform.osVersion, platform.processorTimes,
                                             platform.registry);
    CpuMeter_->StackSize(10);

    forms.Show(*this);
    DisableCloseButton(platform.windows.WindowHandleOf(*this));
    if (settings.OptTwoColour == "1") PaintTwoColourBackground();
    program_.CpuIdleCountdown = settings.CpuSeconds;
    previousTriggerTick_.reset();
    if (settings.OptTimerAtStart == "1") shTOn_Click();
    if (settings.OptStartMinimized == "1") mnuMinme_Click();
}

void Main::Form_Unload(bool&) {
    program_.platform.tray.NotifyIcon(kNimDelete, TrayIconRecord_);
    UnloadAllWindows(program_.forms);
}

void Main::DisableCloseButton(std::uintptr_t hWnd) {
    velkor::DisableCloseButton(program_.platform.windowApi, hWnd);
}

void Main::PaintTwoColourBackground() {
    WindowSystem& windows = program_.platform.windows;
    for (Control* surface : {static_cast<Control*>(nullptr), &Picture2}) {
        if (DrawingSurface* drawing = windows.SurfaceOf(*this, surface))
            PaintTwoColour(*drawing, kTwoColourTop, kTwoColourBottom);
    }
}

void Main::OnTaskbarCreated() {
    // Explorer restarted: its notification area starts empty.
    program_.platform.tray.NotifyIcon(kNimAdd, TrayIconRecord_);
}

}  // namespace velkor
