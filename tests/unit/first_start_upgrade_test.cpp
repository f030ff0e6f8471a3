// The first-start window and the upgrade of a previous-version settings file, driven through
// the whole program with the fake platform.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/program.h"
#include "fake_platform.h"

namespace velkor {
namespace {

using Calls = std::vector<std::string>;
constexpr const char* kFile = fakes::FakePlatform::kSettingsFile;

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

// A previous-version file: its tag and `count` lines in all, each telling its number apart
// (line 8 and 14 hold odd markers that the conversion does not keep).
std::vector<std::string> OldFileLines(std::size_t count) {
    std::vector<std::string> lines = {std::string(kPreviousFormatTag)};
    for (std::size_t n = 2; n <= count; ++n) lines.push_back("v" + std::to_string(n));
    return lines;
}

int Count(const Calls& calls, const std::string& call) {
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

struct FirstStartUpgradeFixture : ::testing::Test {
    fakes::FakePlatform platform;
    Program program{platform.services};

    std::string File() { return platform.files.files[kFile]; }
    // The system directory and the per-user fallback both refuse new files.
    void MakeSettingsUnwritable() {
        platform.files.readOnlyFolders = {"C:\\WINDOWS\\system32\\",
                                          "C:\\Users\\anna\\AppData\\Roaming\\Velkor\\"};
    }
};

TEST_F(FirstStartUpgradeFixture, FirstStartRunsItsSequenceOnceThenReopensTheMainWindow) {
    program.Start();
    // Before the sequence: the first-start window is open without its Close command, and the
    // main window is shown but takes no input.
    ASSERT_TRUE(program.loade.Loaded());
    EXPECT_TRUE(program.main.Visible());
    EXPECT_FALSE(program.main.Enabled());
    EXPECT_TRUE(program.loade.Timer1.Enabled());
    EXPECT_EQ(program.loade.Timer1.Interval(), 100);
    const std::string loade = std::to_string(platform.windows.WindowHandleOf(program.loade));
    EXPECT_EQ(Count(platform.windowApi.calls, "GetSystemMenu(" + loade + ", 0)"), 1);
    EXPECT_FALSE(platform.files.files.count(kFile)) << "nothing written before the sequence";

    // A tick arriving during a pause must not start the sequence a second time.
    int nestedTicks = 0;
    platform.windows.onPump = [&](std::uint32_t maxWaitMs) {
        platform.clock.Advance(maxWaitMs);
        if (nestedTicks++ == 0) program.loade.OnTimer(program.loade.Timer1);
    };
    platform.windows.changes.clear();
    const std::uint64_t before = platform.clock.tickCountMs;
    program.loade.OnTimer(program.loade.Timer1);

    EXPECT_EQ(platform.clock.tickCountMs - before, 201u * 50u) << "201 pauses of 0.05 s";
    Calls status;
    int progressSteps = 0;
    for (const std::string& change : platform.windows.changes) {
        if (change.rfind("Label2.Caption=", 0) == 0) status.push_back(change.substr(15));
        if (change.rfind("pges1.Value=", 0) == 0) ++progressSteps;
    }
    EXPECT_EQ(status, (Calls{"Erstellen der Programm-Struktur...", "Erstellen der Timer-Struktur...",
                             "Erstellen der Shutdown-Parameter...",
                             "Einstellen der Shutdown-Parameter...",
                             "Erstelle Grundeinstellungen.....", "Fertig!"}));
    EXPECT_EQ(progressSteps, 200) << "0.5 to 100 in half steps (0 was already shown)";
    EXPECT_EQ(Count(platform.files.calls, "ReplaceAtomically " + std::string(kFile)), 1);

    EXPECT_EQ(File(), Lines({"09182819000081100092938191", "1", "0", "0", "0", "0", "0", "0021",
                             "0", "0", "1", "0", "0", "0031", "1", "0", "1", "0042", "00:00:00",
                             "01.01.2004", "Montag", "20", "100", "4000", "C:\\", "0", "0"}));
    EXPECT_EQ(File().size(), 144u);
    EXPECT_FALSE(program.loade.Loaded());
    EXPECT_TRUE(program.main.Loaded());
    EXPECT_TRUE(program.main.Enabled());
    EXPECT_EQ(program.settings, DefaultSettingsRecord());
    EXPECT_TRUE(platform.messages.shown.empty());
    EXPECT_EQ(Count(platform.windows.calls, "create loade"), 1);
}

TEST_F(FirstStartUpgradeFixture, FirstStartEndedWithTheProgramReopensNothing) {
    program.Start();
    platform.windows.onPump = [&](std::uint32_t maxWaitMs) {
        platform.clock.Advance(maxWaitMs);
        program.forms.UnloadAll();  // Windows ends the session during a pause
    };
    program.loade.OnTimer(program.loade.Timer1);
    EXPECT_FALSE(program.forms.AnyLoaded());
    EXPECT_FALSE(platform.files.files.count(kFile));
}

TEST_F(FirstStartUpgradeFixture, FirstStartThatCannotWriteTellsWhyAndRunsOnTheDefaults) {
    MakeSettingsUnwritable();
    program.Start();
    program.loade.OnTimer(program.loade.Timer1);

    ASSERT_EQ(platform.messages.shown.size(), 1u);
    EXPECT_EQ(platform.messages.shown[0].icon, MessageIcon::Stop);
    EXPECT_EQ(platform.messages.shown[0].text,
              "Die Einstellungen konnten nicht gespeichert werden.\r\n" + std::string(kFile) +
                  "\r\nAccess is denied.");
    EXPECT_EQ(Count(platform.windows.calls, "create loade"), 1) << "no second first start";
    EXPECT_FALSE(program.loade.Loaded());
    EXPECT_TRUE(program.main.Loaded());
    EXPECT_TRUE(program.main.Enabled());
    EXPECT_EQ(program.settings, DefaultSettingsRecord());
}

TEST_F(FirstStartUpgradeFixture, UpgradeKeepsLines2To26TagsTheFileAndAddsLine27) {
    struct Case {
        const char* name;
        std::size_t lineCount;
    };
    for (const Case c : {Case{"26 lines", 26}, Case{"30 lines, the 27th on", 30}}) {
        SCOPED_TRACE(c.name);
        fakes::FakePlatform fresh;
        std::vector<std::string> old = OldFileLines(c.lineCount);
        if (c.lineCount > 26) old[26] = "1";  // a start-minimised flag the old file never had
        fresh.files.files[kFile] = Lines(old);
        Program p(fresh.services);
        const std::uint64_t before = fresh.clock.tickCountMs;
        p.Start();

        std::vector<std::string> expected = OldFileLines(26);
        expected[0] = kCurrentFormatTag;
        expected[7] = "0021";
        expected[13] = "0031";
        expected.push_back("0");
        EXPECT_EQ(fresh.files.files[kFile], Lines(expected));
        EXPECT_EQ(p.settings.Magic, kCurrentFormatTag);
        EXPECT_EQ(p.settings.Marker42, "v18");
        EXPECT_EQ(p.settings.OptStartMinimized, "0");
        EXPECT_GE(fresh.clock.tickCountMs - before, 3000u) << "shown for three seconds";
        EXPECT_TRUE(fresh.messages.shown.empty());
        EXPECT_TRUE(p.main.Loaded());
        EXPECT_FALSE(p.update.Loaded());
        EXPECT_FALSE(p.loade.Loaded());
        // The main window was closed, the upgrade window came and went, the main window came back.
        const Calls& calls = fresh.windows.calls;
        const auto at = [&](const std::string& call) {
            return std::find(calls.begin(), calls.end(), call) - calls.begin();
        };
        EXPECT_LT(at("destroy Main"), at("create update"));
        EXPECT_LT(at("show update"), at("destroy update"));
        EXPECT_EQ(Count(calls, "create Main"), 2);
    }
}

TEST_F(FirstStartUpgradeFixture, ATooShortOldFileEndsAsAFirstStart) {
    platform.files.files[kFile] = Lines(OldFileLines(20));
    program.Start();
    EXPECT_EQ(Count(platform.windows.calls, "create update"), 1) << "tried once, not forever";
    ASSERT_TRUE(program.loade.Loaded());
    program.loade.OnTimer(program.loade.Timer1);
    EXPECT_EQ(File().size(), 144u) << "the defaults replace it";
    EXPECT_EQ(program.settings, DefaultSettingsRecord());
    EXPECT_EQ(Count(platform.windows.calls, "create update"), 1);
    EXPECT_TRUE(program.main.Loaded());
}

TEST_F(FirstStartUpgradeFixture, UpgradeThatCannotWriteTellsWhyAndRunsOnTheDefaults) {
    const std::string old = Lines(OldFileLines(26));
    platform.files.files[kFile] = old;
    MakeSettingsUnwritable();
    program.Start();
    ASSERT_EQ(platform.messages.shown.size(), 1u);
    EXPECT_EQ(platform.messages.shown[0].icon, MessageIcon::Stop);
    EXPECT_NE(platform.messages.shown[0].text.find(kFile), std::string::npos);
    EXPECT_EQ(Count(platform.windows.calls, "create update"), 1);
    EXPECT_FALSE(program.loade.Loaded());
    EXPECT_TRUE(program.main.Loaded());
    EXPECT_EQ(program.settings, DefaultSettingsRecord());
    EXPECT_EQ(File(), old);
}

TEST_F(FirstStartUpgradeFixture, AReadableFileThatNoSaveCanReplaceWarnsOnceAndRunsOnIt) {
    platform.WriteSettingsWith([](SettingsRecord& s) { s.TimeValue = "06:30:00"; });
    const std::string stored = File();
    MakeSettingsUnwritable();
    program.Start();
    ASSERT_EQ(platform.messages.shown.size(), 1u);
    EXPECT_EQ(platform.messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_NE(platform.messages.shown[0].text.find(kFile), std::string::npos);
    EXPECT_TRUE(program.main.Visible());
    EXPECT_EQ(program.settings.TimeValue, "06:30:00") << "runs on what it read";

    // A reload of the main window does not say it again; a save still says why it failed.
    program.forms.Unload(program.main);
    program.forms.Show(program.main);
    EXPECT_EQ(platform.messages.shown.size(), 1u);
    EXPECT_FALSE(program.store.SaveSettings(program.settings).ok());
    EXPECT_EQ(File(), stored);

    // Where the per-user folder takes the settings, there is nothing to warn about.
    fakes::FakePlatform fallback;
    fallback.files.files[kFile] = stored;
    fallback.files.readOnlyFolders = {"C:\\WINDOWS\\system32\\"};
    Program user(fallback.services);
    user.Start();
    EXPECT_TRUE(fallback.messages.shown.empty());
    EXPECT_EQ(user.settings.TimeValue, "06:30:00");
}

}  // namespace
}  // namespace velkor
