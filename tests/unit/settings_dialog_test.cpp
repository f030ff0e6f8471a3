// The settings dialog: loading from the settings record, the minute spinner, the checks of
// the trigger and action combinations, saving, and the program picker.
#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <string>
#include <vector>

#include "app/program.h"
#include "fake_platform.h"
#include "settings/open_module.h"
#include "settings/settings_checks.h"
#include "settings/time_spinner.h"

namespace velkor {
namespace {

using Names = std::vector<std::string>;
constexpr const char* kFile = fakes::FakePlatform::kSettingsFile;
const std::string kRefusedTriggers =
    "Einstellung nicht Möglich.\r\nMöglich\r\nCPU\r\nRAM\r\nUHR & DATUM\r\nUHR & Wochentag";

int Count(const std::vector<std::string>& calls, const std::string& call) {
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

struct SettingsDialogFixture : ::testing::Test {
    fakes::FakePlatform platform;
    Program program{platform.services};
    PrgSettings& dialog = program.prgSettings;

    SettingsDialogFixture() {
        platform.WriteSettings(DefaultSettingsRecord());
        program.Start();
        program.FreeRamBytes = "536870912";
    }
    void Open() { program.ShowSettingsDialog(); }
    void Check(std::string_view box, bool checked) { dialog.control(box).SetValue(checked ? 1 : 0); }
    // The user's click on the spinner's upper (-1) or lower (1) arrow.
    void Spin(int direction) {
        dialog.VScroll1.StoreUserValue(direction);
        dialog.OnChange(dialog.VScroll1);
    }
    void Save() { dialog.OnClick(dialog.Command1); }
};

TEST_F(SettingsDialogFixture, TabOrderFollowsTheDialogsList) {
    Names focusable;
    for (Control& control : dialog.controls()) {
        switch (control.kind()) {
            case ControlKind::CheckBox: case ControlKind::TextBox: case ControlKind::ListBox:
            case ControlKind::VScrollBar: case ControlKind::Button:
                focusable.emplace_back(control.name());
                break;
            default:
                break;
        }
    }
    EXPECT_EQ(focusable,
              (Names{"Check1(0)", "Check1(1)", "Check1(2)", "Check1(3)", "Check1(4)", "Check1(5)",
                     "Check2(0)", "Check2(1)", "Check2(2)", "Check2(3)", "Check2(4)", "Text1",
                     "Text2", "List1", "Text3", "Command3", "Text4", "Text5", "Text6",
                     "Check3(0)", "Check3(1)", "Check3(2)", "Command1", "Command2", "VScroll1",
                     "Check3(3)", "Check3(4)"}));
}

TEST_F(SettingsDialogFixture, OneInstanceComingToTheFrontKeepsItsEditsAndReopensAfresh) {
    Open();
    dialog.Text1.SetText("35");
    Open();
    EXPECT_EQ(Count(platform.windows.calls, "create PrgSettings"), 1);
    EXPECT_EQ(platform.windows.calls.back(), "front PrgSettings");
    EXPECT_EQ(dialog.Text1.Text(), "35");
    dialog.OnClick(dialog.Command2);
    EXPECT_FALSE(dialog.Loaded());
    Open();
    EXPECT_EQ(dialog.Text1.Text(), "20") << "loaded afresh from the record";
    EXPECT_TRUE(program.main.Loaded()) << "modeless: the main window goes on";
}

TEST_F(SettingsDialogFixture, LoadsTheRecordWhenItsTagIsCurrent) {
    SettingsRecord& s = program.settings;
    s.ActShutdown = "0";
    s.ActReboot = " 1";        // read as a number
    s.TrigTime = "1,0";        // German decimal separator
    s.TrigDate = "2";
    s.OptTwoColour = "";       // no number: unchecked
    s.OptHangUpFirst = "ja";
    s.OptStartMinimized = "1";
    s.TimeValue = "22:30:00";
    s.DateValue = "24.12.2026";
    s.WeekdayValue = "Sonntag";
    s.CpuPercent = "15";
    s.CpuSeconds = "60";
    s.RamKB = "8000";
    s.ProgramPath = "C:\\Tools\\Grüß.exe";
    Open();

    std::string checked;
    for (Control* box : dialog.Check1) checked += box->Value() == 1 ? '1' : '0';
    for (Control* box : dialog.Check2) checked += box->Value() == 1 ? '1' : '0';
    for (Control* box : dialog.Check3) checked += box->Value() == 1 ? '1' : '0';
    EXPECT_EQ(checked, "010000" "00100" "00001");
    EXPECT_EQ(dialog.Text6.Text(), "22:30:00");
    EXPECT_EQ(dialog.Text5.Text(), "24.12.2026");
    EXPECT_EQ(dialog.List1.Items(), (Names{"Montag", "Dienstag", "Mittwoch", "Donnerstag",
                                           "Freitag", "Samstag", "Sonntag"}));
    EXPECT_EQ(dialog.List1.ListIndex(), 6);
    EXPECT_EQ(dialog.Text1.Text(), "15");
    EXPECT_EQ(dialog.Text2.Text(), "60");
    EXPECT_EQ(dialog.Text3.Text(), "8000") << "the stored threshold, not the free memory";
    EXPECT_EQ(dialog.Text4.Text(), "C:\\Tools\\Grüß.exe");
    EXPECT_EQ(dialog.VScroll1.Value(), 0);
}

TEST_F(SettingsDialogFixture, OtherwiseShowsTheDesignAndTheFreeMemory) {
    struct Case {
        const char* magic;
        const char* weekday;
        const char* freeBytes;
        const char* text3;
        int listIndex;
    };
    for (const Case c : {Case{"09182819000081100092938190", "Sonntag", "536870912", "524288", -1},
                         Case{"09182819000081100092938191 ", "Montag", "1000000", "976,5625", -1},
                         Case{"09182819000081100092938191", "So", "", "8000", -1},
                         Case{"09182819000081100092938191", "montag", "", "8000", -1},
                         Case{"x", "Montag", "", "64000", -1}}) {
        SCOPED_TRACE(std::string(c.magic) + " / " + c.weekday + " / " + c.freeBytes);
        program.settings = DefaultSettingsRecord();
        program.settings.RamKB = "8000";
        program.settings.Magic = c.magic;
        program.settings.WeekdayValue = c.weekday;
        program.FreeRamBytes = c.freeBytes;
        Open();
        EXPECT_EQ(dialog.Text3.Text(), c.text3);
        EXPECT_EQ(dialog.List1.ListIndex(), c.listIndex);
        if (program.settings.Magic != kCurrentFormatTag) {
            for (Control& box : dialog.controls()) {
                if (box.kind() == ControlKind::CheckBox) {
                    EXPECT_EQ(box.Value(), 0) << box.name();
                }
            }
            EXPECT_EQ(dialog.Text6.Text(), "00:01:01");
            EXPECT_EQ(dialog.Text5.Text(), "01.01.2004");
            EXPECT_EQ(dialog.Text1.Text(), "20");
            EXPECT_EQ(dialog.Text2.Text(), "240");
            EXPECT_EQ(dialog.Text4.Text(), "C:\\");
        }
        dialog.OnClick(dialog.Command2);
    }
}

TEST_F(SettingsDialogFixture, SpinnerMovesTheTimeOneMinutePerClickAndComesToRest) {
    struct Case {
        const char* before;
        int direction;  // -1 upper arrow, 1 lower arrow
        const char* after;
    };
    Open();
    for (const Case c : {Case{"23:59:30", -1, "00:00:30"}, Case{"00:00:10", 1, "23:59:10"},
                         Case{"7:5", -1, "07:06:00"}, Case{"12:00:00", 1, "11:59:00"},
                         Case{"11:59 PM", -1, "00:00:00"}, Case{"", -1, ""},
                         Case{"25:00", -1, "25:00"}, Case{"12:60:00", 1, "12:60:00"},
                         Case{"22.30", 1, "22.30"}}) {
        SCOPED_TRACE(c.before);
        dialog.Text6.SetText(c.before);
        Spin(c.direction);
        EXPECT_EQ(dialog.Text6.Text(), c.after);
        EXPECT_EQ(dialog.VScroll1.Value(), 0);
        EXPECT_EQ(dialog.VScroll1.tag, "");
    }
    dialog.Text6.SetText("08:00:15");
    for (int click = 0; click < 5; ++click) Spin(-1);
    EXPECT_EQ(dialog.Text6.Text(), "08:05:15");
    EXPECT_EQ(program.settings.TimeValue, "00:00:00") << "the record waits for a save";
}

TEST(SettingsChecks, TriggerCombinationsAllowedAreNoneOneAndTimeWithDateOrWeekday) {
    // Bits: CPU, RAM, time, date, weekday.
    const std::vector<unsigned> allowed = {0b00000, 0b00001, 0b00010, 0b00100, 0b01000,
                                           0b10000, 0b01100, 0b10100};
    for (unsigned bits = 0; bits < 32; ++bits) {
        TriggerChoice checked{};
        for (std::size_t i = 0; i < checked.size(); ++i) checked[i] = bits >> i & 1;
        const bool expected = std::find(allowed.begin(), allowed.end(), bits) != allowed.end();
        EXPECT_EQ(TriggersAllowed(checked), expected) << std::bitset<5>(bits);
    }
}

TEST(SettingsChecks, AtMostOneActionIsAllowed) {
    for (unsigned bits = 0; bits < 64; ++bits) {
        ActionChoice checked{};
        for (std::size_t i = 0; i < checked.size(); ++i) checked[i] = bits >> i & 1;
        EXPECT_EQ(ActionsAllowed(checked), std::bitset<6>(bits).count() <= 1) << std::bitset<6>(bits);
    }
}

TEST_F(SettingsDialogFixture, ARefusedCombinationShowsWhyAndChangesNothing) {
    struct Case {
        const char* name;
        Names checked;
        std::string message;
    };
    const std::string kRefusedActions = "Sie können nur eine Aktion auswählen!";
    for (const Case& c : {Case{"CPU and time", {"Check2(0)", "Check2(2)"}, kRefusedTriggers},
                          Case{"date and weekday", {"Check2(3)", "Check2(4)"}, kRefusedTriggers},
                          Case{"two actions", {"Check1(4)", "Check1(5)"}, kRefusedActions},
                          Case{"both wrong: triggers first",
                               {"Check2(1)", "Check2(3)", "Check1(1)"}, kRefusedTriggers}}) {
        SCOPED_TRACE(c.name);
        platform.messages.shown.clear();
        const SettingsRecord before = program.settings;
        const std::string file = platform.files.files[kFile];
        Open();
        dialog.Text1.SetText("99");
        for (const std::string& box : c.checked) Check(box, true);
        Save();
        ASSERT_EQ(platform.messages.shown.size(), 1u);
        EXPECT_EQ(platform.messages.shown[0],
                  (fakes::ShownMessage{c.message, "Velkor", MessageIcon::Stop}));
        EXPECT_EQ(program.settings, before);
        EXPECT_EQ(platform.files.files[kFile], file);
        EXPECT_TRUE(dialog.Loaded()) << "open to correct it";
        EXPECT_EQ(dialog.Text1.Text(), "99") << "edits kept";
        dialog.OnClick(dialog.Command2);
    }
}

TEST_F(SettingsDialogFixture, SaveCopiesEveryControlWritesTheFileAndRepaintsTheMainWindow) {
    program.settings.ActShutdown = "1";
    program.settings.Marker42 = "0043";
    Open();
    Check("Check1(0)", false);  // an action from an older save is cleared
    Check("Check1(5)", true);
    Check("Check2(2)", false);
    Check("Check2(0)", true);
    Check("Check3(3)", true);
    dialog.control("Check3(4)").SetValue(2);  // grey counts as unchecked
    dialog.Text6.SetText("");
    dialog.Text5.SetText("31.12.2026");
    dialog.List1.SetListIndex(-1);
    dialog.Text1.SetText(" 15 ");
    dialog.Text2.SetText("abc");
    dialog.Text3.SetText("2048");
    dialog.Text4.SetText("C:\\Tools\\app.exe");
    platform.windows.calls.clear();
    Save();

    const SettingsRecord& s = program.settings;
    EXPECT_EQ(s.ActShutdown + s.ActReboot + s.ActLogoff + s.ActStandby + s.ActHangUp + s.ActRunProgram,
              "000001");
    EXPECT_EQ(s.TrigCpu + s.TrigRam + s.TrigTime + s.TrigDate + s.TrigWeekday, "10000");
    EXPECT_EQ(s.OptTwoColour + s.OptTimerAtStart + s.OptHangUpFirst + s.OptKeepTimerOn +
                  s.OptStartMinimized,
              "10110");
    EXPECT_EQ(s.TimeValue, "");
    EXPECT_EQ(s.DateValue, "31.12.2026");
    EXPECT_EQ(s.WeekdayValue, "") << "no weekday selected";
    EXPECT_EQ(s.CpuPercent, " 15 ");
    EXPECT_EQ(s.CpuSeconds, "abc");
    EXPECT_EQ(s.RamKB, "2048");
    EXPECT_EQ(s.ProgramPath, "C:\\Tools\\app.exe");
    EXPECT_EQ(platform.files.files[kFile], FormatSettingsFile(s));
    EXPECT_NE(platform.files.files[kFile].find("\r\n0043\r\n"), std::string::npos)
        << "the dialog leaves Marker42 alone";
    EXPECT_EQ(platform.messages.shown,
              (std::vector<fakes::ShownMessage>{
                  {"Alle daten Gespeichert.", "Velkor", MessageIcon::Information}}));
    EXPECT_FALSE(dialog.Loaded());
    EXPECT_EQ(Count(platform.windows.calls, "destroy Main"), 0) << "repainted, not reloaded";
    EXPECT_EQ(platform.windows.surfaces.count({&program.main, nullptr}), 1u);
    EXPECT_EQ(platform.windows.surfaces.count({&program.main, &program.main.Picture2}), 1u);
}

TEST_F(SettingsDialogFixture, SaveWithoutTwoColoursReloadsTheMainWindow) {
    Open();
    Check("Check3(0)", false);
    Check("Check3(1)", true);
    platform.windows.calls.clear();
    Save();
    EXPECT_EQ(Count(platform.windows.calls, "destroy Main"), 1);
    EXPECT_EQ(Count(platform.windows.calls, "create Main"), 1);
    EXPECT_TRUE(program.main.Loaded());
    EXPECT_FALSE(dialog.Loaded());
    EXPECT_TRUE(program.main.SDTimer.Enabled()) << "start-up decided anew from the saved file";
    EXPECT_EQ(platform.tray.icons.size(), 1u);
}

TEST_F(SettingsDialogFixture, AFailedWriteTellsWhyAndTheDialogStaysOpen) {
    Open();
    dialog.Text1.SetText("42");
    platform.files.readOnlyFolders.insert("C:\\WINDOWS\\system32\\");
    Save();
    ASSERT_EQ(platform.messages.shown.size(), 1u) << "no confirmation";
    EXPECT_EQ(platform.messages.shown[0].icon, MessageIcon::Stop);
    EXPECT_EQ(platform.messages.shown[0].text,
              "Die Einstellungen konnten nicht gespeichert werden.\r\n" + std::string(kFile) +
                  "\r\nAccess is denied.");
    EXPECT_TRUE(dialog.Loaded());
    EXPECT_EQ(program.settings.CpuPercent, "42") << "the record holds the new values";
    platform.files.readOnlyFolders.clear();
    Save();  // tried again
    EXPECT_FALSE(dialog.Loaded());
    EXPECT_NE(platform.files.files[kFile].find("\r\n42\r\n"), std::string::npos);
}

TEST_F(SettingsDialogFixture, PickerAsksForAnExistingExeInTheProgramsFolder) {
    Open();
    platform.openFileDialog.answer = "C:\\Tools\\app.exe" + std::string(240, ' ');
    dialog.OnClick(dialog.Command3);
    ASSERT_EQ(platform.openFileDialog.requests.size(), 1u);
    const OpenFileRequest& request = platform.openFileDialog.requests[0];
    EXPECT_EQ(request.owner, platform.windows.WindowHandleOf(dialog));
    EXPECT_EQ(request.filter, std::string("*.exe (Programme)\0*.exe\0\0", 25));
    EXPECT_EQ(request.title, "Programm auswählen");
    EXPECT_EQ(request.initialFolder, "C:\\Programme\\Velkor");
    EXPECT_EQ(request.flags, 0x1004u);
    EXPECT_EQ(request.pathLengthChars, 254u);
    EXPECT_EQ(dialog.Text4.Text(), "C:\\Tools\\app.exe");
    EXPECT_EQ(program.settings.ProgramPath, "C:\\") << "only a save stores it";
}

TEST_F(SettingsDialogFixture, CancellingThePickerEmptiesThePathWhichOnlyASaveKeeps) {
    for (const bool save : {false, true}) {
        SCOPED_TRACE(save ? "saved" : "left without saving");
        Open();
        platform.openFileDialog.answer.reset();
        dialog.OnClick(dialog.Command3);
        EXPECT_EQ(dialog.Text4.Text(), "");
        dialog.OnClick(save ? dialog.Command1 : dialog.Command2);
        EXPECT_EQ(program.settings.ProgramPath, save ? "" : "C:\\");
    }
}

TEST(ProgramPicker, FilterListFolderAndChosenPath) {
    EXPECT_EQ(FilterList("*.exe (Programme)|*.exe"), std::string("*.exe (Programme)\0*.exe\0\0", 25));
    EXPECT_EQ(FilterList("a|b|"), std::string("a\0b\0\0", 5)) << "no second '|' appended";
    EXPECT_EQ(FilterList("a|b|c|d"), std::string("a\0b\0c\0d\0\0", 9));

    EXPECT_EQ(FolderOfFile("C:\\Programme\\Velkor\\Velkor.exe"), "C:\\Programme\\Velkor");
    EXPECT_EQ(FolderOfFile("C:\\Velkor.exe"), "C:\\") << "a drive root keeps its backslash";
    EXPECT_EQ(FolderOfFile("\\\\server\\share\\Velkor.exe"), "\\\\server\\share");

    fakes::FakeOpenFileDialog dialog;
    for (const auto& [answer, result] :
         std::vector<std::pair<std::optional<std::string>, std::string>>{
             {"  C:\\Tools\\app.exe  ", "C:\\Tools\\app.exe"},
             {std::string(254, ' '), ""},
             {std::nullopt, ""}}) {
        dialog.answer = answer;
        EXPECT_EQ(ShowOpenFileDialog(dialog, 1, "x|*.x", "t", "C:\\"), result);
    }
}

TEST(TimeSpinner, ReadsTimesAsTyped) {
    struct Case {
        const char* text;
        std::optional<int> seconds;
    };
    for (const Case c : {Case{"0:0", 0}, Case{" 7:05 ", 7 * 3600 + 300},
                         Case{"23:59:59", 86399}, Case{"12:00 AM", 0},
                         Case{"12:30:00 pm", 12 * 3600 + 1800}, Case{"1:00 PM", 13 * 3600},
                         Case{"13:00 PM", std::nullopt}, Case{"24:00", std::nullopt},
                         Case{"7", std::nullopt}, Case{"7:", std::nullopt},
                         Case{"1:2:3:4", std::nullopt}, Case{"-1:00", std::nullopt},
                         Case{"100:00", std::nullopt}}) {
        EXPECT_EQ(SecondsOfDayFromText(c.text), c.seconds) << c.text;
    }
}

}  // namespace
}  // namespace velkor
