// The Win32 file layer on a real (Wine) file system.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_ansi_codec.h"
#include "platform/win32/win32_file_system.h"
#include "temp_folder.h"

namespace velkor::win32 {
namespace {

class FileSystemOnWindows : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(files_.CreateDirectories(folder_ + "a\\b\\").ok()); }

    // Names of everything in the test folder, to see that no temporary file is left over.
    std::vector<std::string> Entries() const { return temp_.Entries(); }

    TempFolder temp_{"velkor-fs"};
    const std::string& folder_ = temp_.path();
    Win32FileSystem files_;
};

TEST_F(FileSystemOnWindows, ReplaceCreatesThenReplacesAndLeavesNoTemporaryFile) {
    const std::string path = folder_ + "s.ini";
    EXPECT_FALSE(files_.ReadAll(path).has_value());
    EXPECT_FALSE(files_.Exists(path));
    EXPECT_TRUE(files_.CanReplace(path));

    ASSERT_TRUE(files_.ReplaceAtomically(path, "first\r\n").ok());
    ASSERT_TRUE(files_.ReplaceAtomically(path, std::string("second\r\n\xFC", 9)).ok());

    EXPECT_TRUE(files_.Exists(path));
    EXPECT_EQ(files_.ReadAll(path).value(), std::string("second\r\n\xFC", 9));
    EXPECT_TRUE(files_.CanReplace(path));
    EXPECT_EQ(Entries(), (std::vector<std::string>{"a", "s.ini"}));
}

TEST_F(FileSystemOnWindows, CopyKeepsAnExistingTarget) {
    ASSERT_TRUE(files_.ReplaceAtomically(folder_ + "s.ini", "one").ok());
    ASSERT_TRUE(files_.CopyNew(folder_ + "s.ini", folder_ + "copy.ini").ok());
    EXPECT_EQ(files_.ReadAll(folder_ + "copy.ini").value(), "one");
    EXPECT_FALSE(files_.CopyNew(folder_ + "s.ini", folder_ + "copy.ini").ok());
}

TEST_F(FileSystemOnWindows, FailureNamesTheFileAndTheSystemsReason) {
    const std::string path = folder_ + "missing\\folder\\s.ini";
    EXPECT_FALSE(files_.CanReplace(path));
    const IoStatus status = files_.ReplaceAtomically(path, "x");
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(status.path(), path);
    EXPECT_FALSE(status.reason().empty());
    EXPECT_EQ(status.reason().find("Error "), std::string::npos) << status.reason();
}

TEST(AnsiCodecOnWindows, UmlautIsOneByteInTheAnsiCodePage) {
    ASSERT_EQ(GetACP(), 1252u);
    Win32AnsiCodec codec;
    EXPECT_EQ(codec.Utf8ToAnsi("Grüße"), "Gr\xFC\xDF" "e");
    EXPECT_EQ(codec.AnsiToUtf8("Gr\xFC\xDF" "e"), "Grüße");
    EXPECT_EQ(codec.Utf8ToAnsi("\xE2\x82\xAC \xE6\x97\xA5"), "\x80 ?");  // euro sign; no CJK
}

}  // namespace
}  // namespace velkor::win32
