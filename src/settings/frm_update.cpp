#include "settings/frm_update.h"

#include "app/program.h"
#include "settings/settings_upgrade.h"

namespace velkor {
namespace {

constexpr Colour kBack = Rgb(133, 182, 214);

constexpr ControlDesign kControls[] = {
    {.name = "Label1",
     .caption = "Bitte warten sie bis das Programm die neuerungen registriert hat....",
     .rect = {120, 120, 4335, 375}, .backColour = kBack},
};

constexpr FormDesign kUpdateDesign = {
    .name = "update",
    .caption = "Update Velkor 8.11",
    .border = BorderStyle::FixedToolWindow,
    .controlBox = true,
    .minButton = false,
    .clientWidthTwips = 4680,
    .clientHeightTwips = 645,
    .backColour = kBack,
    .font = {"MS Sans Serif", 8.25, false},
    .startPosition = StartPosition::CenterScreen,
    .showInTaskbar = false,
};

constexpr double kShownSeconds = 3;

}  // namespace

Update::Update(Program& program)
    : Form(kUpdateDesign, kControls), Label1(control("Label1")), program_(program) {}

void Update::Form_Load() {
    program_.forms.Show(*this);  // visible while the file is converted
    PlatformServices& platform = program_.platform;
    const UpgradeResult result =
        ConvertPreviousSettingsFile(program_.store, platform.files, platform.codec, program_.settings);
    switch (result.outcome) {
        case UpgradeOutcome::Converted:
            program_.Pause(kShownSeconds);
            break;
        case UpgradeOutcome::Unreadable:
            program_.NotePreviousFileUnconvertible();
            break;
        case UpgradeOutcome::WriteFailed:
            program_.ReportSettingsWriteFailure(result.written);
            break;
    }
}

}  // namespace velkor
