// The main window as it looks when loaded: its controls, timers and tray menu.
#include "app/main_form.h"

#include "app/program.h"

namespace velkor {
namespace {

constexpr Colour kBack = 0xA75938;  // red 56, green 89, blue 167
constexpr Colour kLineColour = 0xFF8080;

constexpr ControlDesign Caption(std::string_view name, std::string_view caption, int top) {
    return {.name = name, .caption = caption, .rect = {120, top, 2400, 255}, .foreColour = kWhite};
}
constexpr ControlDesign Value(std::string_view name, std::string_view caption, int top,
                            Colour colour = kGreen, int width = 1695) {
    return {.name = name, .caption = caption, .rect = {2520, top, width, 255}, .foreColour = colour};
}
constexpr ControlDesign Command(std::string_view name, std::string_view caption, int top) {
    return {.name = name, .caption = caption, .rect = {0, top, 2535, 255}, .container = "Picture2",
            .foreColour = kWhite};
}
constexpr ControlDesign Separator(std::string_view name, int y) {
    return {.name = name, .kind = ControlKind::Line, .rect = {0, y, 2640, y},
            .container = "Picture2", .foreColour = kLineColour};
}

constexpr ControlDesign kControls[] = {
    Caption("Label1", "Aktuelles Datum:", 240),
    Value("AkDate", "00-00-00", 240),
    Caption("Label2", "Aktuelle Zeit:", 600),
    Value("AkTime", "00:00:00", 600),
    Caption("Label5", "Aktueller Wochentag:", 960),
    Value("akw", "Montag", 960),
    Caption("Label3", "Freier Arbeitsspeicher:", 1320),
    Value("FreeRam", "0 KB.", 1320, kGreen, 1935),
    Caption("Label4", "Aktuelle CPU-Auslastung:", 1680),
    Value("Cpuaus", "0 %", 1680),
    Caption("Label6", "Internet Status:", 2040),
    Value("AkInetStatus", "Offline", 2040, kRed),
    Caption("Label7", "Shut Down Aktion:", 2400),
    Value("Label8", "Herunterfahren", 2400),
    Caption("Label9", "Shut Down Timer:", 2760),
    Value("Label10", "Off", 2760, kRed),
    {.name = "Picture2", .kind = ControlKind::PictureBox, .rect = {4320, 240, 2655, 2775},
     .backColour = kBack},
    Command("shTOn", "Shut Down Timer ON", 0),
    Command("shTOff", "Shut Down Timer OFF", 240),
    Command("Settings", "Programm Einstellungen", 600),
    Command("Label11", "Programm Info", 840),
    Command("Label12", "Windows Herunterfahren", 1320),
    Command("Label13", "Windows Neustarten", 1560),
    Command("Label14", "Standbye Modus", 1800),
    Command("Label15", "Benutzer Abmelden", 2040),
    Command("Label16", "Programm Beenden", 2400),
    Separator("Line1", 520),
    Separator("Line2", 1150),
    Separator("Line3", 2325),
};

constexpr TimerDesign kTimers[] = {
    {.name = "SDTimer", .intervalMs = 500, .enabled = false},
    {.name = "t2", .intervalMs = 1000, .enabled = false},
    {.name = "PrgTimer", .intervalMs = 500, .enabled = true},
};

constexpr MenuItemDesign kFileMenu[] = {
    {"mnuInfo", "Info"},
    {"mnuSettings", "Programm Einstellungen"},
    {"mnuH1", "-"},
    {"mnuTimerOn", "Timer On"},
    {"mnuTimerOff", "Timer Off"},
    {"mnuH2", "-"},
    {"mnuShutdown", "Windows Herunterfahren"},
    {"mnuReboot", "Windows Neustarten"},
    {"mnuStandbye", "Standbye Modus"},
    {"mnuLogoff", "Benutzer Abmelden"},
    {"mnuH3", "-"},
    {"mnuMaxme", "Maximieren"},
    {"mnuMinme", "Minimieren"},
    {"mnuPrgend", "Programm Beenden"},
};

constexpr MenuDesign kMenus[] = {
    {.name = "mnuFile", .caption = "&Datei", .items = kFileMenu, .itemCount = std::size(kFileMenu)},
};

constexpr FormDesign kMainDesign = {
    .name = "Main",
    .caption = "Velkor",
    .border = BorderStyle::FixedSingle,
    .controlBox = true,
    .minButton = true,
    .clientWidthTwips = 7140,
    .clientHeightTwips = 3240,
    .backColour = kBack,
    .font = {"MS Sans Serif", 8.25, true},
};

}  // namespace

Main::Main(Program& program)
    : Form(kMainDesign, kControls, kTimers, kMenus),
      AkDate(control("AkDate")),
      AkTime(control("AkTime")),
      akw(control("akw")),
      FreeRam(control("FreeRam")),
      Cpuaus(control("Cpuaus")),
      AkInetStatus(control("AkInetStatus")),
      Label8(control("Label8")),
      Label10(control("Label10")),
      Picture2(control("Picture2")),
      shTOn(control("shTOn")),
      shTOff(control("shTOff")),
      Settings(control("Settings")),
      Label11(control("Label11")),
      Label12(control("Label12")),
      Label13(control("Label13")),
      Label14(control("Label14")),
      Label15(control("Label15")),
      Label16(control("Label16")),
      SDTimer(timer("SDTimer")),
      t2(timer("t2")),
      PrgTimer(timer("PrgTimer")),
      program_(program) {}

std::array<Control*, 9> Main::CommandLabels() {
    return {&shTOn, &shTOff, &Settings, &Label11, &Label12, &Label13, &Label14, &Label15, &Label16};
}

}  // namespace velkor
