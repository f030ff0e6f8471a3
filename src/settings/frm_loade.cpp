#include "settings/frm_loade.h"

#include <optional>
#include <string_view>

#include "app/program.h"
#include "app/programm_module.h"

namespace velkor {
namespace {

constexpr Colour kBack = Rgb(120, 182, 218);

constexpr ControlDesign kControls[] = {
    {.name = "Label1", .caption = "Bitte warte Velkor wird f\xC3\xBCr den ersten Start vorbereitet",
     .rect = {240, 0, 2295, 1335}, .foreColour = Rgb(192, 0, 0), .backColour = kBack,
     .font = FontDesign{"MS Sans Serif", 12, true}},
    {.name = "Label2", .caption = "Erstellen der Variablen...", .rect = {120, 1680, 2415, 495},
     .backColour = kBack, .font = FontDesign{"MS Sans Serif", 8.25, true}},
    {.name = "pges1", .kind = ControlKind::ProgressBar, .rect = {120, 1320, 2415, 255},
     .minimum = 0, .maximum = 100},
};

constexpr TimerDesign kTimers[] = {{.name = "Timer1", .intervalMs = 100, .enabled = true}};

constexpr FormDesign kLoadeDesign = {
    .name = "loade",
    .caption = "Bitte Warten........",
    .border = BorderStyle::FixedSingle,
    .controlBox = true,
    .minButton = false,
    .clientWidthTwips = 2670,
    .clientHeightTwips = 2115,
    .backColour = kBack,
    .startPosition = StartPosition::CenterScreen,
};

struct StatusText {
    double value;
    std::string_view text;
};
constexpr StatusText kStatusTexts[] = {
    {15, "Erstellen der Programm-Struktur..."},
    {35, "Erstellen der Timer-Struktur..."},
    {50, "Erstellen der Shutdown-Parameter..."},
    {67, "Einstellen der Shutdown-Parameter..."},
    {77, "Erstelle Grundeinstellungen....."},
    {98, "Fertig!"},
};

std::optional<std::string_view> StatusTextAt(double value) {
    for (const StatusText& status : kStatusTexts)
        if (status.value == value) return status.text;
    return std::nullopt;
}

constexpr int kHalfSteps = 200;  // 0 to 100 in steps of 0.5
constexpr double kStepPauseSeconds = 0.05;

}  // namespace

Loade::Loade(Program& program)
    : Form(kLoadeDesign, kControls, kTimers),
      Label1(control("Label1")),
      Label2(control("Label2")),
      pges1(control("pges1")),
      Timer1(timer("Timer1")),
      program_(program) {}

void Loade::Form_Load() {
    DisableCloseButton(program_.platform.windows.WindowHandleOf(*this));
    program_.forms.SetEnabled(program_.main, false);
}

void Loade::DisableCloseButton(std::uintptr_t hWnd) {
    velkor::DisableCloseButton(program_.platform.windowApi, hWnd);
}

void Loade::OnTimer(FormTimer& timer) {
    if (&timer == &Timer1) Timer1_Timer();
}

void Loade::Timer1_Timer() {
    // The pauses let further ticks through; they must not start the sequence again.
    if (sequenceRunning_) return;
    sequenceRunning_ = true;
    RunSequence();
    sequenceRunning_ = false;
}

void Loade::RunSequence() {
    Forms& forms = program_.forms;
    // The main window's start-up showed it after this one: come to the front.
    forms.Show(*this);
    for (int step = 0; step <= kHalfSteps; ++step) {
        program_.Pause(kStepPauseSeconds);
        // Closed meanwhile with the whole program (the session ends): reopen nothing.
        if (!Loaded()) return;
        const double value = step / 2.0;
        pges1.SetValue(value);
        if (const auto text = StatusTextAt(value)) Label2.SetCaption(*text);
    }
    Timer1.SetEnabled(false);

    forms.Unload(program_.main);  // closes this window too
    program_.WriteDefaultSettings();
    forms.Show(program_.main);
    forms.SetEnabled(program_.main, true);
    forms.Unload(*this);
}

}  // namespace velkor
