// Which actions run when a trigger fires, in which order, and the program start.
#include "actions/action_dispatcher.h"

#include <gtest/gtest.h>

#include <string>

#include "fake_dial_up.h"
#include "fake_file_system.h"
#include "fake_process_launcher.h"
#include "fake_session_control.h"

namespace velkor {
namespace {

using fakes::CallLog;

struct DispatcherFixture : ::testing::Test {
    CallLog log;
    fakes::FakeDialUp dialUp{log};
    fakes::FakeSessionControl session{log};
    fakes::FakeProcessLauncher launcher{log};
    fakes::FakeFileSystem files;
    SettingsRecord settings;
    PowerControl power{session, dialUp, settings};
    ActionDispatcher dispatcher{settings, power, dialUp, launcher, files};

    DispatcherFixture() {
        for (std::string* flag : Flags()) *flag = "0";
        settings.OptHangUpFirst = "0";
        settings.ProgramPath = "C:\\Tools\\tool.exe";
        files.files[settings.ProgramPath] = "MZ";
        session.platformId = 1;  // no token steps: the requests alone tell the story
        dialUp.connectionReported = true;
        dialUp.connections = {0x1};
    }

    // In the order in which the dispatcher tests them.
    std::vector<std::string*> Flags() {
        return {&settings.ActShutdown, &settings.ActReboot, &settings.ActLogoff,
                &settings.ActStandby,  &settings.ActHangUp, &settings.ActRunProgram};
    }
};

const CallLog kEachAction = {
    "ExitWindowsEx(8, 0)",    "ExitWindowsEx(2, 0)",
    "ExitWindowsEx(0, 0)",    "SetSuspendState(1, 0, 0)",
    "InternetHangUp(0x1, 0)", "CreateProcess(\"C:\\Tools\\tool.exe\", SW_SHOWMAXIMIZED)"};

TEST_F(DispatcherFixture, AllFlagsOffDoesNothing) {
    EXPECT_FALSE(dispatcher.RunActions().message);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(dialUp.listings, 0);
}

TEST_F(DispatcherFixture, EachFlagAloneRunsItsAction) {
    const auto flags = Flags();
    for (std::size_t i = 0; i < flags.size(); ++i) {
        SCOPED_TRACE(kEachAction[i]);
        *flags[i] = "1";
        log.clear();
        EXPECT_FALSE(dispatcher.RunActions().message);
        EXPECT_EQ(log, CallLog{kEachAction[i]});
        *flags[i] = "0";
    }
}

TEST_F(DispatcherFixture, AllFlagsOnRunEveryActionInTheFixedOrder) {
    for (std::string* flag : Flags()) *flag = "1";
    EXPECT_FALSE(dispatcher.RunActions().message);
    EXPECT_EQ(log, kEachAction);
}

TEST_F(DispatcherFixture, ShutdownWithItsPrivilegeThenTheProgramStart) {
    session.platformId = 2;
    settings.ActShutdown = "1";
    settings.ActRunProgram = "1";
    EXPECT_FALSE(dispatcher.RunActions().message);
    EXPECT_EQ(log, (CallLog{"OpenProcessToken(0x28)", "LookupPrivilegeValue(SeShutdownPrivilege)",
                            "AdjustTokenPrivileges(enable 0x13)", "CloseHandle(token)",
                            "ExitWindowsEx(8, 0)", kEachAction[5]}));
}

TEST_F(DispatcherFixture, OnlyTheExactTextOneIsOn) {
    for (const char* text : {"1 ", " 1", "01", "true", "", "2"}) {
        SCOPED_TRACE(std::string("\"") + text + "\"");
        for (std::string* flag : Flags()) *flag = text;
        log.clear();
        EXPECT_FALSE(dispatcher.RunActions().message);
        EXPECT_TRUE(log.empty());
    }
}

// Reading the record on every call: a save in between counts at once.
TEST_F(DispatcherFixture, ReadsTheSettingsAfreshOnEveryCall) {
    settings.ActRunProgram = "1";
    EXPECT_FALSE(dispatcher.RunActions().message);
    settings.ActRunProgram = "0";
    settings.ActLogoff = "1";
    EXPECT_FALSE(dispatcher.RunActions().message);
    EXPECT_EQ(log, (CallLog{kEachAction[5], "ExitWindowsEx(0, 0)"}));
}

struct StartCase {
    const char* name;
    std::string programPath;
    bool fileExists;  // the whole path names a file
    std::string commandLine;
    friend void PrintTo(const StartCase& c, std::ostream* os) { *os << c.name; }
};

class ProgramStart : public DispatcherFixture, public ::testing::WithParamInterface<StartCase> {};

TEST_P(ProgramStart, StartsMaximisedAndQuotesOnlyAWholeExistingPath) {
    const StartCase& c = GetParam();
    files.files.clear();
    if (c.fileExists) files.files[c.programPath] = "MZ";
    settings.ProgramPath = c.programPath;
    settings.ActRunProgram = "1";

    EXPECT_FALSE(dispatcher.RunActions().message);

    EXPECT_EQ(log, CallLog{"CreateProcess(" + c.commandLine + ", SW_SHOWMAXIMIZED)"});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProgramStart,
    ::testing::Values(StartCase{"ExistingWithoutSpaces", "C:\\Tools\\tool.exe", true,
                                "\"C:\\Tools\\tool.exe\""},
                      // Unquoted, process creation would try C:\Program.exe first.
                      StartCase{"ExistingWithSpaces", "C:\\Program Files\\Tool\\tool.exe", true,
                                "\"C:\\Program Files\\Tool\\tool.exe\""},
                      StartCase{"ProgramWithArguments", "C:\\Windows\\notepad.exe C:\\a.txt", false,
                                "C:\\Windows\\notepad.exe C:\\a.txt"},
                      StartCase{"QuotedByTheUser", "\"C:\\Program Files\\Tool\\tool.exe\" -x",
                                false, "\"C:\\Program Files\\Tool\\tool.exe\" -x"},
                      StartCase{"MissingFile", "C:\\Program Files\\gone.exe", false,
                                "C:\\Program Files\\gone.exe"},
                      StartCase{"TheDefaultFolder", "C:\\", false, "C:\\"}));

TEST_F(DispatcherFixture, FailedStartIsHandedBackAsAStopBoxAfterTheOtherActions) {
    settings.ActShutdown = "1";
    settings.ActRunProgram = "1";
    settings.ProgramPath = "C:\\";
    launcher.startSucceeds = false;

    const ActionsOutcome outcome = dispatcher.RunActions();

    EXPECT_EQ(log, (CallLog{"ExitWindowsEx(8, 0)", "CreateProcess(C:\\, SW_SHOWMAXIMIZED)"}));
    ASSERT_TRUE(outcome.message);
    EXPECT_EQ(*outcome.message,
              (PendingMessage{"Das Programm konnte nicht gestartet werden:\r\nC:\\", "Velkor",
                              MessageIcon::Stop}));
    EXPECT_EQ(outcome.message->text, ProgramStartFailedText("C:\\"));
}

}  // namespace
}  // namespace velkor
