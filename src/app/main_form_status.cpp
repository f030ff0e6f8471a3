// The status display, refreshed twice a second for as long as the main window is loaded.
#include "actions/dial_up_connections.h"
#include "app/main_form.h"
#include "app/number_text.h"
#include "app/program.h"
#include "app/programm_module.h"

namespace velkor {

void Main::PrgTimer_Timer() {
    PlatformServices& platform = program_.platform;
    // Each step stands alone: one that cannot be done is skipped and the next goes on.
    const std::int32_t load = CpuMeter_ ? CpuMeter_->Value() : 0;

    if (const auto freeBytes = platform.memory.AvailablePhysicalBytes())
        program_.FreeRamBytes = std::to_string(*freeBytes);

    UpdateInternetStatus(platform.dialUp, program_.InternetStatusText);

    const std::string separator = platform.locale.DecimalSeparator();
    if (const auto bytes = NumberFromText(program_.FreeRamBytes, separator))
        FreeRam.SetCaption(NumberToText(*bytes / 1024, separator) + " KB.");

    const LocalDateTime now = platform.clock.LocalNow();
    if (const auto date = platform.locale.ShortDateText(now)) AkDate.SetCaption(*date);
    if (const auto time = platform.locale.TimeText(now)) AkTime.SetCaption(*time);

    AkInetStatus.SetCaption(program_.InternetStatusText);
    AkInetStatus.SetForeColour(AkInetStatus.Caption() == "Offline" ? kRed : kGreen);

    Cpuaus.SetCaption(std::to_string(load) + " %  " + program_.CpuIdleCountdown + " Zeit");

    if (State() == WindowState::Minimized)
        ShowTaskbarButton(platform.windowApi, platform.windows.WindowHandleOf(*this), 0);
}

}  // namespace velkor
