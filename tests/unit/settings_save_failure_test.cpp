// A save that fails after the settings folder was chosen (a full disk, a file held by another
// program) keeps the settings that were there, says which file and why, and confirms nothing.
#include <gtest/gtest.h>

#include <string>

#include "cp1252_codec.h"
#include "fake_file_system.h"
#include "fake_message_boxes.h"
#include "fake_system_folders.h"
#include "settings/settings_file_format.h"
#include "settings/settings_store.h"

namespace velkor {
namespace {

// A file layer whose replace fails although the folder may be written.
struct FailingReplace : fakes::FakeFileSystem {
    IoStatus ReplaceAtomically(const std::string& path, std::string_view) override {
        calls.push_back("ReplaceAtomically " + path);
        return IoStatus::Failure(path, "There is not enough space on the disk.");
    }
};

TEST(SettingsSaveFailure, KeepsThePreviousFileAndNamesPathAndReason) {
    const std::string folder = "C:\\WINDOWS\\system32\\";
    const std::string file = folder + "VK8Settings.ini";
    fakes::FakeSystemFolders folders;
    FailingReplace files;
    files.folders.insert(folder);
    SettingsRecord previous = DefaultSettingsRecord();
    previous.TimeValue = "22:30:00";
    files.files[file] = FormatSettingsFile(previous);
    const std::string previousBytes = files.files[file];
    fakes::Cp1252Codec codec;
    fakes::FakeMessageBoxes messages;
    SettingsStore store{folders, files, codec, messages};

    SettingsRecord record;
    ASSERT_EQ(store.LoadSettings(record), StartupDecision::Continue);
    record.TimeValue = "06:00:00";
    for (const IoStatus& status : {store.SaveSettings(record), store.WriteDefaultSettings()}) {
        EXPECT_FALSE(status.ok());
        EXPECT_EQ(status.path(), file);
        EXPECT_EQ(status.reason(), "There is not enough space on the disk.");
    }
    EXPECT_TRUE(messages.shown.empty()) << "a failed save was confirmed";
    EXPECT_EQ(files.files[file], previousBytes);

    SettingsRecord next;
    ASSERT_EQ(store.LoadSettings(next), StartupDecision::Continue);
    EXPECT_EQ(next.TimeValue, "22:30:00");
}

}  // namespace
}  // namespace velkor
