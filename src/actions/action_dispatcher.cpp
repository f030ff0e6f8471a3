#include "actions/action_dispatcher.h"

#include "actions/dial_up_connections.h"
#include "app/app_info.h"

namespace velkor {
namespace {

bool IsOn(const std::string& flag) { return flag == "1"; }

}  // namespace

std::string ProgramStartFailedText(std::string_view programPath) {
    std::string text = "Das Programm konnte nicht gestartet werden:\r\n";
    text += programPath;
    return text;
}

// Windows file names cannot hold a quote, so a path that exists is never quoted already.
std::string ProgramCommandLine(const std::string& programPath, FileSystem& files) {
    if (!files.Exists(programPath)) return programPath;
    return '"' + programPath + '"';
}

ActionsOutcome ActionDispatcher::RunActions() {
    // The flags are not exclusive: a hand-edited file can select several, and each power
    // request returns once the system has taken it, so later actions still run.
    if (IsOn(settings_.ActShutdown)) power_.PowerShutdown();
    if (IsOn(settings_.ActReboot)) power_.PowerReboot();
    if (IsOn(settings_.ActLogoff)) power_.PowerLogoff();
    if (IsOn(settings_.ActStandby)) power_.PowerStandby();
    if (IsOn(settings_.ActHangUp)) HangUpInternet(dialUp_);
    if (IsOn(settings_.ActRunProgram)) return StartProgram();
    return {};
}

ActionsOutcome ActionDispatcher::StartProgram() {
    const std::string& path = settings_.ProgramPath;
    if (launcher_.Start(ProgramCommandLine(path, files_), WindowShow::Maximized)) return {};
    return {
        PendingMessage{ProgramStartFailedText(path), std::string(kAppTitle), MessageIcon::Stop}};
}

}  // namespace velkor
