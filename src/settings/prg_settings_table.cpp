// The settings dialog as it looks when loaded. Controls are created in table order, which is
// also the Tab order: the focusable controls come first, in the order the Tab key visits
// them; frames, labels and lines follow (they take no focus, and text boxes stay above the
// labels they touch).
#include "settings/prg_settings.h"

#include "app/program.h"

namespace velkor {
namespace {

constexpr Colour kBack = 0xA75938;        // red 56, green 89, blue 167
constexpr Colour kFrameCaption = 0xFFFF00;  // cyan
constexpr FontDesign kBold{"MS Sans Serif", 8.25, true};

constexpr ControlDesign Check(std::string_view name, std::string_view caption, int top,
                            std::string_view frame) {
    return {.name = name, .kind = ControlKind::CheckBox, .caption = caption,
            .rect = {120, top, 3735, 255}, .container = frame, .foreColour = kWhite,
            .backColour = kBack, .font = kBold};
}
constexpr ControlDesign Box(std::string_view name, std::string_view text, TwipsRect rect,
                          std::string_view frame) {
    return {.name = name, .kind = ControlKind::TextBox, .caption = text, .rect = rect,
            .container = frame};
}
constexpr ControlDesign Button(std::string_view name, std::string_view caption, TwipsRect rect,
                             std::string_view frame = {}) {
    return {.name = name, .kind = ControlKind::Button, .caption = caption, .rect = rect,
            .container = frame};
}
constexpr ControlDesign Frame(std::string_view name, std::string_view caption, TwipsRect rect) {
    return {.name = name, .kind = ControlKind::Frame, .caption = caption, .rect = rect,
            .foreColour = kFrameCaption, .backColour = kBack, .font = kBold};
}
constexpr ControlDesign Label(std::string_view name, std::string_view caption, TwipsRect rect,
                            std::string_view frame) {
    return {.name = name, .caption = caption, .rect = rect, .container = frame,
            .foreColour = kWhite, .backColour = kBack, .font = kBold};
}
constexpr ControlDesign Line(std::string_view name, int y) {
    return {.name = name, .kind = ControlKind::Line, .rect = {120, y, 3000, y},
            .container = "Frame4"};
}

constexpr ControlDesign kControls[] = {
    Check("Check1(0)", "Windows Herunterfahren", 360, "Frame1"),
    Check("Check1(1)", "Windows Neustarten", 600, "Frame1"),
    Check("Check1(2)", "Benutzer Abmelden", 840, "Frame1"),
    Check("Check1(3)", "Standbye Modus", 1080, "Frame1"),
    Check("Check1(4)", "Internet Trennen", 1320, "Frame1"),
    Check("Check1(5)", "Programm Starten.", 1560, "Frame1"),
    Check("Check2(0)", "Nach CPU Auslastung", 360, "Frame3"),
    Check("Check2(1)", "Nach Freien Ramspeicher", 600, "Frame3"),
    Check("Check2(2)", "Nach Uhrzeit", 840, "Frame3"),
    Check("Check2(3)", "Nach Datum", 1080, "Frame3"),
    Check("Check2(4)", "Nach Wochentag", 1320, "Frame3"),
    Box("Text1", "20", {240, 600, 375, 285}, "Frame4"),
    Box("Text2", "240", {1560, 600, 600, 285}, "Frame4"),
    {.name = "List1", .kind = ControlKind::ListBox, .rect = {1320, 840, 1695, 255},
     .container = "Frame2"},
    Box("Text3", "64000", {120, 1560, 855, 285}, "Frame4"),
    Button("Command3", "Programm Ausw\xC3\xA4hlen", {360, 2280, 2415, 375}, "Frame4"),
    Box("Text4", "C:\\", {120, 3120, 2895, 285}, "Frame4"),
    Box("Text5", "01.01.2004", {1320, 600, 975, 285}, "Frame2"),
    Box("Text6", "00:01:01", {1320, 360, 735, 285}, "Frame2"),
    Check("Check3(0)", "Programm 2 Farbig Darstellen.", 240, "Frame5"),
    Check("Check3(1)", "Timer beim Starten aktiv.", 480, "Frame5"),
    Check("Check3(2)", "Internet immer vor einer aktion trennen.", 960, "Frame5"),
    Button("Command1", "Einstellungen Speichern und verlassen", {120, 5280, 3735, 375}),
    Button("Command2", "Einstellungen nicht Speichern verlassen", {4080, 5280, 3135, 375}),
    {.name = "VScroll1", .kind = ControlKind::VScrollBar, .rect = {2040, 360, 135, 255},
     .container = "Frame2", .minimum = -1, .maximum = 1},
    Check("Check3(3)", "Timer auf ON lassen nach einer Aktion.", 720, "Frame5"),
    Check("Check3(4)", "Programm Minimiert Starten.", 1200, "Frame5"),

    Frame("Frame1", "Aktionen", {0, 0, 3975, 1935}),
    Frame("Frame3", "Abfrage", {0, 1920, 3975, 1695}),
    Frame("Frame5", "Programm", {0, 3600, 3975, 1575}),
    Frame("Frame2", "Datum, Uhrzeit, Wochentag", {4080, 0, 3135, 1215}),
    Frame("Frame4", "CPU, RAM, Programm", {4080, 1320, 3135, 3855}),
    Label("Label1(0)", "Uhrzeit:", {120, 360, 855, 255}, "Frame2"),
    Label("Label1(1)", "Datum:", {120, 600, 855, 255}, "Frame2"),
    Label("Label1(2)", "Wochentag:", {120, 840, 1095, 255}, "Frame2"),
    // Before the taller Label2, so that they stay above it where it reaches down.
    Label("Label3", "% is und", {720, 600, 735, 255}, "Frame4"),
    Label("Label4", " Sek.", {2160, 615, 855, 255}, "Frame4"),
    Label("Label2", "Wenn die CPU Auslastung unter", {240, 360, 2775, 375}, "Frame4"),
    Label("Label6", "Wenn der RAM unter:", {120, 1200, 1935, 255}, "Frame4"),
    Label("Label7", "KB. ist.", {1080, 1590, 1935, 255}, "Frame4"),
    Label("Label8", "Programm:", {120, 2760, 1935, 255}, "Frame4"),
    Line("Line1", 1080),
    Line("Line2", 2040),
};

constexpr FormDesign kPrgSettingsDesign = {
    .name = "PrgSettings",
    .caption = "Einstellungen",
    .border = BorderStyle::FixedSingle,
    .controlBox = true,
    .minButton = false,
    .clientWidthTwips = 7320,
    .clientHeightTwips = 5760,
    .backColour = kBack,
    .font = {"MS Sans Serif", 8.25, false},
    .startPosition = StartPosition::CenterScreen,
};

}  // namespace

PrgSettings::PrgSettings(Program& program)
    : Form(kPrgSettingsDesign, kControls),
      Check1{&control("Check1(0)"), &control("Check1(1)"), &control("Check1(2)"),
             &control("Check1(3)"), &control("Check1(4)"), &control("Check1(5)")},
      Check2{&control("Check2(0)"), &control("Check2(1)"), &control("Check2(2)"),
             &control("Check2(3)"), &control("Check2(4)")},
      Check3{&control("Check3(0)"), &control("Check3(1)"), &control("Check3(2)"),
             &control("Check3(3)"), &control("Check3(4)")},
      Text1(control("Text1")),
      Text2(control("Text2")),
      Text3(control("Text3")),
      Text4(control("Text4")),
      Text5(control("Text5")),
      Text6(control("Text6")),
      List1(control("List1")),
      VScroll1(control("VScroll1")),
      Command1(control("Command1")),
      Command2(control("Command2")),
      Command3(control("Command3")),
      program_(program) {}

void PrgSettings::OnClick(Control& control) {
    if (&control == &Command1) return Command1_Click();
    if (&control == &Command2) return Command2_Click();
    if (&control == &Command3) return Command3_Click();
}

void PrgSettings::OnChange(Control& control) {
    if (&control == &VScroll1) VScroll1_Change();
}

}  // namespace velkor
