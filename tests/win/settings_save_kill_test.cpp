// A save cut short never costs the settings: a writer process saving over and over is killed
// at varied moments, and after every kill the settings file is one whole version, the next
// start reads it, and the next save works. Also what a failing replace leaves behind.
//
// The exe is its own writer: started with "--save-forever FOLDER EVENT" it saves two different
// complete settings files into FOLDER in turn until it is killed (or a minute has passed, should
// the test that started it be gone), and signals the named EVENT once the first save is done.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "fake_message_boxes.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_ansi_codec.h"
#include "platform/win32/win32_file_system.h"
#include "settings/settings_file_format.h"
#include "settings/settings_store.h"
#include "temp_folder.h"
#include "test_system_folders.h"

namespace velkor::win32 {
namespace {

struct WindowsStore {
    explicit WindowsStore(const std::string& folder) : folders(folder) {}
    TestSystemFolders folders;
    Win32FileSystem files;
    Win32AnsiCodec codec;
    fakes::FakeMessageBoxes messages;
    SettingsStore store{folders, files, codec, messages};
};

// Two complete settings files that differ everywhere a torn write could show: in length, in
// their choices and in a program path long enough that writing it takes a while.
SettingsRecord Version(char letter, std::size_t pathLength) {
    SettingsRecord record = DefaultSettingsRecord();
    record.Magic = std::string(kCurrentFormatTag);
    record.TimeValue = letter == 'a' ? "06:00:00" : "22:30:00";
    record.WeekdayValue = letter == 'a' ? "Montag" : "Donnerstag";
    record.ProgramPath = "C:\\Programme\\Gr\xC3\xBC\xC3\x9F" "e\\" + std::string(pathLength, letter) +
                         ".exe";
    return record;
}
const SettingsRecord kVersionA = Version('a', 400 * 1024);
const SettingsRecord kVersionB = Version('b', 700 * 1024);

int SaveForever(const std::string& folder, const std::string& eventName) {
    WindowsStore windows(folder + "\\");
    UniqueHandle started(OpenEventW(EVENT_MODIFY_STATE, FALSE, Widen(eventName).c_str()));
    if (!started) return 2;
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    for (unsigned long long n = 0; std::chrono::steady_clock::now() < giveUp; ++n) {
        if (!windows.store.WriteSettingsFile(n % 2 ? kVersionB : kVersionA).ok()) return 3;
        if (n == 0) SetEvent(started.get());
    }
    return 4;
}

std::string ThisProgram() {
    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    return Narrow(std::wstring(self, length));
}

class SaveCutShort : public ::testing::Test {
protected:
    // Everything in the folder but the settings file: what interrupted saves left behind.
    std::vector<std::string> Leftovers() const {
        std::vector<std::string> names;
        for (const std::string& name : temp_.Entries())
            if (name != kSettingsFileName) names.push_back(name);
        return names;
    }

    std::string Bytes(const SettingsRecord& record) {
        return codec_.Utf8ToAnsi(FormatSettingsFile(record));
    }

    // A writer process that has finished its first save and is busy with the next ones.
    PROCESS_INFORMATION StartWriter(int round) {
        const std::string event = "velkor-save-started-" +
                                  std::to_string(GetCurrentProcessId()) + "-" +
                                  std::to_string(round);
        UniqueHandle started(CreateEventW(nullptr, TRUE, FALSE, Widen(event).c_str()));
        // The folder without its final "\", which would escape the closing quote.
        const std::string folder = folder_.substr(0, folder_.size() - 1);
        std::wstring commandLine =
            Widen("\"" + ThisProgram() + "\" --save-forever \"" + folder + "\" " + event);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &startup, &process)) {
            ADD_FAILURE() << "writer not started: " << GetLastError();
            return process;
        }
        const HANDLE waitFor[] = {started.get(), process.hProcess};
        const DWORD which = WaitForMultipleObjects(2, waitFor, FALSE, 20000);
        EXPECT_EQ(which, WAIT_OBJECT_0) << "the writer ended or hung before its first save";
        return process;
    }

    TempFolder temp_{"velkor-save"};
    const std::string& folder_ = temp_.path();
    const std::string file_ = folder_ + std::string(kSettingsFileName);
    Win32FileSystem files_;
    Win32AnsiCodec codec_;
};

void WaitMicroseconds(long long microseconds) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::microseconds(microseconds);
    while (std::chrono::steady_clock::now() < until) {
    }
}

TEST_F(SaveCutShort, KilledWriterLeavesOneWholeVersionAndTheNextSaveWorks) {
    const std::string original = Bytes(DefaultSettingsRecord());
    const std::string a = Bytes(kVersionA);
    const std::string b = Bytes(kVersionB);
    ASSERT_TRUE(files_.ReplaceAtomically(file_, original).ok());

    constexpr int kKills = 50;
    int killedMidSave = 0;
    for (int round = 0; round < kKills; ++round) {
        PROCESS_INFORMATION writer = StartWriter(round);
        ASSERT_NE(writer.hProcess, nullptr);
        // Spread the kills over about ten saves, in steps finer than one save.
        WaitMicroseconds((round * 7919LL) % 30000);
        ASSERT_TRUE(TerminateProcess(writer.hProcess, 9));
        ASSERT_EQ(WaitForSingleObject(writer.hProcess, 20000), WAIT_OBJECT_0);
        DWORD exitCode = 0;
        GetExitCodeProcess(writer.hProcess, &exitCode);
        CloseHandle(writer.hThread);
        CloseHandle(writer.hProcess);
        ASSERT_EQ(exitCode, 9u) << "the writer stopped by itself (a failed save) in round "
                                << round;

        const std::optional<std::string> now = files_.ReadAll(file_);
        ASSERT_TRUE(now.has_value()) << "no settings file after kill " << round;
        ASSERT_TRUE(*now == a || *now == b || *now == original)
            << "kill " << round << " left a file of " << now->size() << " bytes";
        const auto leftovers = Leftovers();
        ASSERT_LE(leftovers.size(), 1u) << "leftovers pile up: " << ::testing::PrintToString(leftovers);
        if (!leftovers.empty()) ++killedMidSave;
    }
    std::printf("%d of %d kills came in the middle of a save\n", killedMidSave, kKills);
    EXPECT_GT(killedMidSave, 0) << "no kill came while a temporary file was being written";

    // The next run: the folder is still taken for the settings, the file loads, and a save
    // replaces it and tidies up what the killed writer left.
    WindowsStore next(folder_);
    EXPECT_EQ(next.store.SettingsFilePath(), folder_);
    SettingsRecord record;
    ASSERT_EQ(next.store.LoadSettings(record), StartupDecision::Continue);
    EXPECT_TRUE(record == kVersionA || record == kVersionB);
    record.TimeValue = "12:00:00";
    ASSERT_TRUE(next.store.SaveSettings(record).ok());
    SettingsRecord reread;
    ASSERT_EQ(next.store.LoadSettings(reread), StartupDecision::Continue);
    EXPECT_TRUE(reread == record);
    EXPECT_TRUE(Leftovers().empty()) << ::testing::PrintToString(Leftovers());
}

TEST_F(SaveCutShort, LeftoversOfKilledSavesBreakNeitherPathNorLoadNorSave) {
    ASSERT_TRUE(files_.ReplaceAtomically(file_, Bytes(kVersionA)).ok());
    // What killed saves leave: half-written temporary files, one of them under the id that
    // this process has now (process ids come round again).
    const std::string ownId = std::to_string(GetCurrentProcessId());
    const std::string half = Bytes(kVersionB).substr(0, 5000);
    for (const std::string& id : {ownId, std::string("99999")}) {
        UniqueHandle temp(CreateFileW(Widen(file_ + "." + id + ".tmp").c_str(), GENERIC_WRITE, 0,
                                      nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD written = 0;
        ASSERT_TRUE(WriteFile(temp.get(), half.data(), static_cast<DWORD>(half.size()), &written,
                              nullptr));
    }
    // Someone else's file that only looks alike stays.
    UniqueHandle other(CreateFileW(Widen(file_ + ".old.tmp").c_str(), GENERIC_WRITE, 0, nullptr,
                                   CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    other.reset();

    WindowsStore next(folder_);
    EXPECT_EQ(next.store.SettingsFilePath(), folder_) << "taken for a read-only folder";
    SettingsRecord record;
    ASSERT_EQ(next.store.LoadSettings(record), StartupDecision::Continue);
    EXPECT_TRUE(record == kVersionA);
    ASSERT_TRUE(next.store.SaveSettings(kVersionB).ok());
    EXPECT_TRUE(files_.ReadAll(file_) == Bytes(kVersionB));
    EXPECT_EQ(Leftovers(), (std::vector<std::string>{"VK8Settings.ini.old.tmp"}));
}

TEST_F(SaveCutShort, FailedReplaceKeepsThePreviousFileAndNamesPathAndReason) {
    const std::string previous = Bytes(kVersionA);
    ASSERT_TRUE(files_.ReplaceAtomically(file_, previous).ok());
    WindowsStore windows(folder_);
    ASSERT_EQ(windows.store.SettingsFilePath(), folder_);
    {
        // Then another program opens the settings file and lets nobody replace it.
        UniqueHandle holder(CreateFileW(Widen(file_).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(holder.valid());
        const IoStatus status = windows.store.SaveSettings(kVersionB);
        EXPECT_FALSE(status.ok());
        EXPECT_EQ(status.path(), file_);
        EXPECT_FALSE(status.reason().empty());
        EXPECT_TRUE(windows.messages.shown.empty()) << "a failed save was confirmed";
    }
    EXPECT_TRUE(files_.ReadAll(file_) == previous);
    EXPECT_TRUE(Leftovers().empty()) << ::testing::PrintToString(Leftovers());
}

}  // namespace
}  // namespace velkor::win32

int main(int argc, char** argv) {
    if (argc >= 2 && std::string(argv[1]) == "--save-forever")
        return argc == 4 ? velkor::win32::SaveForever(argv[2], argv[3]) : 2;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
