#pragma once
// Carries out the actions whose flags are on when a trigger has fired.
#include <optional>
#include <string>
#include <string_view>

#include "actions/power_control.h"
#include "platform/dial_up.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/process_launcher.h"
#include "settings/settings_record.h"

namespace velkor {

// A message box that an action wants shown but must not open itself.
struct PendingMessage {
    std::string text;
    std::string caption;
    MessageIcon icon;
    friend bool operator==(const PendingMessage&, const PendingMessage&) = default;
};

struct ActionsOutcome {
    // Set when the program could not be started.
    std::optional<PendingMessage> message;
};

// "Das Programm konnte nicht gestartet werden:", CR LF, and the program path.
std::string ProgramStartFailedText(std::string_view programPath);

// The command line that starts `programPath`. A path that as a whole names an existing file
// is quoted, so that "C:\Program Files\Tool\tool.exe" cannot start "C:\Program.exe" instead;
// anything else (a program followed by arguments, an already quoted path) stays as written.
std::string ProgramCommandLine(const std::string& programPath, FileSystem& files);

class ActionDispatcher {
public:
    // The settings are read afresh on every call: the user may change them in between.
    ActionDispatcher(const SettingsRecord& settings, PowerControl& power, DialUp& dialUp,
                     ProcessLauncher& launcher, FileSystem& files)
        : settings_(settings), power_(power), dialUp_(dialUp), launcher_(launcher), files_(files) {}

    // Runs every action whose flag is exactly "1", in this order, whatever the others are:
    // power off, restart, log off, standby, hang-up, program start. The program is started
    // maximised and not waited for.
    //
    // Called from inside a timer tick. A failed program start is not shown here: a modal box
    // keeps timer messages flowing, so the same trigger would fire again behind it. RunActions
    // returns normally with the box in `message` (stop icon, caption "Velkor",
    // ProgramStartFailedText); the caller finishes its tick as usual (switching the timer off
    // as the settings say), then posts the message to its own window and shows it once.
    [[nodiscard]] ActionsOutcome RunActions();

private:
    ActionsOutcome StartProgram();

    const SettingsRecord& settings_;
    PowerControl& power_;
    DialUp& dialUp_;
    ProcessLauncher& launcher_;
    FileSystem& files_;
};

}  // namespace velkor
