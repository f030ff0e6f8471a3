// Reading the settings file into the record and the start-up decision it leads to, and
// writing the record back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cp1252_codec.h"
#include "fake_file_system.h"
#include "fake_message_boxes.h"
#include "fake_system_folders.h"
#include "settings/settings_file_format.h"
#include "settings/settings_store.h"

namespace velkor {
namespace {

const std::string kFolder = "C:\\WINDOWS\\system32\\";
const std::string kFile = kFolder + "VK8Settings.ini";
const std::string kTag(kCurrentFormatTag);
const std::string kOldTag(kPreviousFormatTag);

std::string Join(const std::vector<std::string>& lines, const std::string& end) {
    std::string text;
    for (const auto& line : lines) text += line + end;
    return text;
}

// The default values, line by line.
std::vector<std::string> DefaultLines() {
    std::vector<std::string> lines;
    for (const auto& line : kSettingsLines) lines.emplace_back(line.defaultValue);
    return lines;
}

std::vector<std::string> LinesWith(std::vector<std::string> lines, std::size_t index,
                                   const std::string& value) {
    lines[index] = value;
    return lines;
}

std::vector<std::string> Resized(std::vector<std::string> lines, std::size_t count) {
    lines.resize(count, "extra");
    return lines;
}

struct StoreFixture : ::testing::Test {
    fakes::FakeSystemFolders folders;
    fakes::FakeFileSystem files;
    fakes::Cp1252Codec codec;
    fakes::FakeMessageBoxes messages;
    SettingsStore store{folders, files, codec, messages};
    SettingsRecord record;

    StoreFixture() { files.folders.insert(kFolder); }
};

struct ReadCase {
    const char* name;
    bool fileExists;
    std::string content;
    StartupDecision decision;
    std::size_t linesAssigned;  // how many fields took a value from the file
    friend void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }
};

class LoadSettingsTable : public StoreFixture, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(LoadSettingsTable, DecidesAndKeepsWhatWasRead) {
    const ReadCase& c = GetParam();
    if (c.fileExists) files.files[kFile] = c.content;
    SettingsRecord before;
    before.OptStartMinimized = "former";
    before.Magic = "former";
    record = before;

    EXPECT_EQ(store.LoadSettings(record), c.decision);

    const auto lines = SplitSettingsLines(c.content, kSettingsLineCount);
    for (std::size_t i = 0; i < kSettingsLines.size(); ++i) {
        const auto& field = kSettingsLines[i].field;
        if (i < c.linesAssigned)
            EXPECT_EQ(record.*field, lines[i]) << "line " << i + 1;
        else
            EXPECT_EQ(record.*field, before.*field) << "line " << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoadSettingsTable,
    ::testing::Values(
        ReadCase{"NoFile", false, "", StartupDecision::FirstStart, 0},
        ReadCase{"EmptyFile", true, "", StartupDecision::FirstStart, 0},
        ReadCase{"DefaultFile", true, Join(DefaultLines(), "\r\n"), StartupDecision::Continue,
                 27},
        ReadCase{"CurrentTag26Lines", true, Join(Resized(DefaultLines(), 26), "\r\n"),
                 StartupDecision::FirstStart, 26},
        ReadCase{"PreviousTag26Lines", true,
                 Join(Resized(LinesWith(DefaultLines(), 0, kOldTag), 26), "\r\n"),
                 StartupDecision::Upgrade, 26},
        ReadCase{"PreviousTag30Lines", true,
                 Join(Resized(LinesWith(DefaultLines(), 0, kOldTag), 30), "\r\n"),
                 StartupDecision::Upgrade, 27},
        ReadCase{"PreviousTagOnly", true, kOldTag, StartupDecision::Upgrade, 1},
        ReadCase{"TagWithTrailingSpace", true,
                 Join(LinesWith(DefaultLines(), 0, kTag + " "), "\r\n"),
                 StartupDecision::FirstStart, 27},
        ReadCase{"ThirtyLines", true, Join(Resized(DefaultLines(), 30), "\r\n"),
                 StartupDecision::Continue, 27},
        ReadCase{"OtherMarkerTexts", true,
                 Join(LinesWith(LinesWith(DefaultLines(), 7, "x"), 13, "y"), "\r\n"),
                 StartupDecision::Continue, 27},
        ReadCase{"ForeignFirstLine", true, Join(LinesWith(DefaultLines(), 0, "[Velkor]"), "\r\n"),
                 StartupDecision::FirstStart, 27},
        // LF alone is no line end: the whole file is one line and the read fails at line 2.
        ReadCase{"LfOnly", true, Join(DefaultLines(), "\n"), StartupDecision::FirstStart, 1},
        ReadCase{"CrOnly", true, Join(DefaultLines(), "\r"), StartupDecision::Continue, 27},
        ReadCase{"LastLineUnterminated", true, Join(Resized(DefaultLines(), 26), "\r\n") + "1",
                 StartupDecision::Continue, 27},
        ReadCase{"LoneLfStaysInValue", true,
                 Join(LinesWith(DefaultLines(), 24, "C:\\a\nb"), "\r\n"),
                 StartupDecision::Continue, 27}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StoreFixture, FailedReadAfterGoodOneIsAFirstStartEvenWithTheCurrentTagInMemory) {
    record.Magic = kTag;  // left from an earlier load; the file has gone since
    EXPECT_EQ(store.LoadSettings(record), StartupDecision::FirstStart);
}

TEST_F(StoreFixture, DefaultFileIsTheExact144Bytes) {
    ASSERT_TRUE(store.WriteDefaultSettings().ok());
    EXPECT_EQ(files.files[kFile], Join(DefaultLines(), "\r\n"));
    EXPECT_EQ(files.files[kFile].size(), 144u);
    EXPECT_EQ(files.files[kFile].substr(0, 28), kTag + "\r\n");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(record, SettingsRecord{}) << "the defaults reach the record only by loading";
}

TEST_F(StoreFixture, SaveWritesTagAndMarkersWhateverTheRecordHolds) {
    files.files[kFile] = Join(LinesWith(LinesWith(Resized(DefaultLines(), 30), 7, "x"), 13, "y"),
                              "\r\n");
    ASSERT_EQ(store.LoadSettings(record), StartupDecision::Continue);
    record.Magic = "something else";
    record.TimeValue = "22:30:00";

    ASSERT_TRUE(store.SaveSettings(record).ok());

    EXPECT_EQ(files.files[kFile], Join(LinesWith(DefaultLines(), 18, "22:30:00"), "\r\n"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0],
              (fakes::ShownMessage{"Alle daten Gespeichert.", "Velkor", MessageIcon::Information}));
}

TEST_F(StoreFixture, UmlautsAreSingleAnsiBytesAndSurviveSaveAndLoad) {
    files.files[kFile] = Join(LinesWith(DefaultLines(), 24, "C:\\Gr\xFC\xDF" "e\\t.exe"), "\r\n");
    ASSERT_EQ(store.LoadSettings(record), StartupDecision::Continue);
    EXPECT_EQ(record.ProgramPath, "C:\\Grüße\\t.exe");

    ASSERT_TRUE(store.SaveSettings(record).ok());
    EXPECT_NE(files.files[kFile].find("C:\\Gr\xFC\xDF" "e\\t.exe\r\n"), std::string::npos);
    SettingsRecord again;
    ASSERT_EQ(store.LoadSettings(again), StartupDecision::Continue);
    EXPECT_EQ(again, record);
}

TEST_F(StoreFixture, FailedSaveReportsPathAndReasonAndConfirmsNothing) {
    files.readOnlyFolders.insert(kFolder);
    folders.appData.clear();  // no per-user folder to fall back to
    record = DefaultSettingsRecord();

    const IoStatus status = store.SaveSettings(record);

    EXPECT_FALSE(status.ok());
    EXPECT_EQ(status.path(), kFile);
    EXPECT_FALSE(status.reason().empty());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(store.WriteDefaultSettings().ok());
}

}  // namespace
}  // namespace velkor
