// Where Velkor.exe keeps its settings on a real (Wine) system. Run twice: as root, where the
// system directory is writable, and by run_as_standard_user.sh as a user who may not write
// it (VELKOR_STANDARD_USER=1).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

#include "fake_message_boxes.h"
#include "platform/win32/win32_ansi_codec.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_system_folders.h"
#include "settings/settings_store.h"

namespace velkor::win32 {
namespace {

bool RunsAsStandardUser() {
    const char* flag = std::getenv("VELKOR_STANDARD_USER");
    return flag && std::string(flag) == "1";
}

struct SettingsPathOnWindows : ::testing::Test {
    Win32SystemFolders folders;
    Win32FileSystem files;
    Win32AnsiCodec codec;
    fakes::FakeMessageBoxes messages;
    SettingsStore store{folders, files, codec, messages};
};

TEST_F(SettingsPathOnWindows, SystemDirectoryWhenItCanBeWritten) {
    if (RunsAsStandardUser()) GTEST_SKIP() << "system directory is read-only in this run";
    EXPECT_EQ(folders.SystemDirectory(), "C:\\windows\\system32");
    EXPECT_EQ(store.SettingsFilePath(), "C:\\windows\\system32\\");
    EXPECT_EQ(store.SettingsFileFullPath(), "C:\\windows\\system32\\VK8Settings.ini");
}

TEST_F(SettingsPathOnWindows, UserFolderWithACopyWhenTheSystemDirectoryIsReadOnly) {
    if (!RunsAsStandardUser()) GTEST_SKIP() << "needs run_as_standard_user.sh";
    const std::string systemFile = "C:\\windows\\system32\\VK8Settings.ini";
    ASSERT_TRUE(files.Exists(systemFile)) << "the script puts a settings file there";
    EXPECT_FALSE(files.CanReplace(systemFile));
    const IoStatus denied = files.ReplaceAtomically(systemFile, "x");
    EXPECT_FALSE(denied.ok());
    EXPECT_EQ(denied.path(), systemFile);

    const std::string userFolder = folders.UserAppDataDirectory() + "\\Velkor\\";
    ASSERT_EQ(store.SettingsFilePath(), userFolder);
    EXPECT_EQ(files.ReadAll(userFolder + "VK8Settings.ini"), files.ReadAll(systemFile));

    SettingsRecord record;
    EXPECT_EQ(store.LoadSettings(record), StartupDecision::Continue);
    EXPECT_EQ(record.TimeValue, "22:30:00") << "the copied settings are the ones in use";
    record.TimeValue = "06:00:00";
    ASSERT_TRUE(store.SaveSettings(record).ok());
    EXPECT_EQ(messages.shown.size(), 1u);
    SettingsRecord reread;
    EXPECT_EQ(store.LoadSettings(reread), StartupDecision::Continue);
    EXPECT_EQ(reread.TimeValue, "06:00:00");
}

}  // namespace
}  // namespace velkor::win32
