// Where the settings file lives: the system directory when it can be written, otherwise the
// user's own application-data folder.
#include <gtest/gtest.h>

#include "cp1252_codec.h"
#include "fake_file_system.h"
#include "fake_message_boxes.h"
#include "fake_system_folders.h"
#include "settings/settings_store.h"

namespace velkor {
namespace {

struct PathFixture : ::testing::Test {
    fakes::FakeSystemFolders folders;
    fakes::FakeFileSystem files;
    fakes::Cp1252Codec codec;
    fakes::FakeMessageBoxes messages;
    SettingsStore store{folders, files, codec, messages};

    const std::string systemFolder = "C:\\WINDOWS\\system32\\";
    const std::string userFolder = "C:\\Users\\anna\\AppData\\Roaming\\Velkor\\";

    PathFixture() { files.folders.insert(systemFolder); }
};

TEST_F(PathFixture, SystemDirectoryGetsExactlyOneTrailingBackslash) {
    for (const std::string reported : {"C:\\WINDOWS\\system32", "C:\\WINDOWS\\system32\\"}) {
        folders.systemDirectory = reported;
        SettingsStore fresh{folders, files, codec, messages};
        EXPECT_EQ(fresh.SettingsFilePath(), systemFolder) << reported;
        EXPECT_EQ(fresh.SettingsFileFullPath(), systemFolder + "VK8Settings.ini");
    }
}

TEST_F(PathFixture, ReadOnlySystemDirectoryFallsBackToUserFolder) {
    files.readOnlyFolders.insert(systemFolder);

    EXPECT_EQ(store.SettingsFilePath(), userFolder);
    EXPECT_TRUE(files.folders.count(userFolder));
    EXPECT_TRUE(store.WriteDefaultSettings().ok());
    EXPECT_TRUE(files.files.count(userFolder + "VK8Settings.ini"));
}

TEST_F(PathFixture, ExistingSystemSettingsAreCopiedOnceIntoTheUserFolder) {
    files.files[systemFolder + "VK8Settings.ini"] = "system copy\r\n";
    files.readOnlyFolders.insert(systemFolder);

    EXPECT_EQ(store.SettingsFilePath(), userFolder);
    EXPECT_EQ(files.files[userFolder + "VK8Settings.ini"], "system copy\r\n");

    // A user file that already exists is the newer one and is never overwritten.
    files.files[userFolder + "VK8Settings.ini"] = "user copy\r\n";
    SettingsStore nextRun{folders, files, codec, messages};
    EXPECT_EQ(nextRun.SettingsFilePath(), userFolder);
    EXPECT_EQ(files.files[userFolder + "VK8Settings.ini"], "user copy\r\n");
}

TEST_F(PathFixture, DecidedOncePerRun) {
    EXPECT_EQ(store.SettingsFilePath(), systemFolder);
    files.readOnlyFolders.insert(systemFolder);
    EXPECT_EQ(store.SettingsFilePath(), systemFolder);
}

}  // namespace
}  // namespace velkor
