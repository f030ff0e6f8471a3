// Starting a real program: the stand-in launch_marker.exe writes "<its path>.ran" with the
// show command and command line it was given.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "actions/action_dispatcher.h"
#include "fake_dial_up.h"
#include "fake_session_control.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_process_launcher.h"

namespace velkor::win32 {
namespace {

std::string FolderOfThisProgram() {
    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::string path = Narrow(std::wstring_view(self, length));
    return path.substr(0, path.rfind('\\') + 1);
}

class ProgramStartOnWindows : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder_ = Narrow(temp) + "velkor-start-" + std::to_string(GetCurrentProcessId()) + "\\";
        ASSERT_TRUE(files_.CreateDirectories(folder_ + "my tools\\").ok());
        const std::string marker = FolderOfThisProgram() + "win_launch_marker.exe";
        for (const std::string& copy : {plain_, spaced_, trap_})
            ASSERT_TRUE(files_.CopyNew(marker, folder_ + copy).ok()) << copy;
    }

    void TearDown() override {
        for (const std::string& name : {plain_, spaced_, trap_}) {
            // A started copy may still be closing: give it a moment to let go of its file.
            for (int attempt = 0; attempt < 100; ++attempt) {
                if (DeleteFileW(Widen(folder_ + name).c_str()) ||
                    GetLastError() == ERROR_FILE_NOT_FOUND)
                    break;
                Sleep(50);
            }
            DeleteFileW(Widen(folder_ + name + ".ran").c_str());
        }
        RemoveDirectoryW(Widen(folder_ + "my tools").c_str());
        RemoveDirectoryW(Widen(folder_).c_str());
    }

    // The marker of the copy at `name`, once it has been written (the started program is
    // not waited for, so the test waits for its trace instead).
    std::optional<std::string> MarkerOf(const std::string& name) {
        for (int attempt = 0; attempt < 600; ++attempt) {
            if (auto text = files_.ReadAll(folder_ + name + ".ran")) return text;
            Sleep(50);
        }
        return std::nullopt;
    }

    ActionsOutcome RunProgram(const std::string& programPath) {
        settings_.ProgramPath = programPath;
        return dispatcher_.RunActions();
    }

    Win32FileSystem files_;
    Win32ProcessLauncher launcher_;
    std::string folder_;
    const std::string plain_ = "marker.exe";
    const std::string spaced_ = "my tools\\marker.exe";
    const std::string trap_ = "my.exe";  // what "my tools\marker.exe" unquoted would start

    fakes::CallLog log_;
    fakes::FakeDialUp dialUp_{log_};
    fakes::FakeSessionControl session_{log_};
    SettingsRecord settings_ = [] {
        SettingsRecord settings;
        settings.ActShutdown = settings.ActReboot = settings.ActLogoff = "0";
        settings.ActStandby = settings.ActHangUp = settings.OptHangUpFirst = "0";
        settings.ActRunProgram = "1";
        return settings;
    }();
    PowerControl power_{session_, dialUp_, settings_};
    ActionDispatcher dispatcher_{settings_, power_, dialUp_, launcher_, files_};
};

TEST_F(ProgramStartOnWindows, StartsMaximisedWithoutWaiting) {
    ASSERT_TRUE(launcher_.Start('"' + folder_ + plain_ + "\" first second", WindowShow::Maximized));
    const auto marker = MarkerOf(plain_);
    ASSERT_TRUE(marker);
    EXPECT_EQ(*marker, "show=3\r\ncommand=\"" + folder_ + plain_ + "\" first second\r\n");
}

TEST_F(ProgramStartOnWindows, PathWithSpacesStartsThatProgramNotTheOneBeforeTheSpace) {
    // Unquoted, the system itself picks the file before the space.
    ASSERT_TRUE(launcher_.Start(folder_ + spaced_, WindowShow::Maximized));
    ASSERT_TRUE(MarkerOf(trap_));
    DeleteFileW(Widen(folder_ + trap_ + ".ran").c_str());

    EXPECT_FALSE(RunProgram(folder_ + spaced_).message);

    const auto marker = MarkerOf(spaced_);
    ASSERT_TRUE(marker);
    EXPECT_EQ(*marker, "show=3\r\ncommand=\"" + folder_ + spaced_ + "\"\r\n");
    EXPECT_FALSE(files_.Exists(folder_ + trap_ + ".ran"));
}

TEST_F(ProgramStartOnWindows, ProgramWithArgumentsStartsAsWritten) {
    const std::string programPath = '"' + folder_ + spaced_ + "\" /x \"a b\"";
    EXPECT_FALSE(RunProgram(programPath).message);
    const auto marker = MarkerOf(spaced_);
    ASSERT_TRUE(marker);
    EXPECT_EQ(*marker, "show=3\r\ncommand=" + programPath + "\r\n");
}

TEST_F(ProgramStartOnWindows, MissingProgramOrFolderIsHandedBackAsAMessage) {
    for (const std::string& programPath : {folder_ + "gone\\gone.exe", std::string("C:\\")}) {
        SCOPED_TRACE(programPath);
        EXPECT_FALSE(launcher_.Start(programPath, WindowShow::Maximized));
        const ActionsOutcome outcome = RunProgram(programPath);
        ASSERT_TRUE(outcome.message);
        EXPECT_EQ(outcome.message->text,
                  "Das Programm konnte nicht gestartet werden:\r\n" + programPath);
    }
}

}  // namespace
}  // namespace velkor::win32
