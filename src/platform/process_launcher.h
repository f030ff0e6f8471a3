#pragma once
// Starting another program as a new, independent process.
#include <string>

namespace velkor {

// How the started program is asked to show its main window.
enum class WindowShow { Maximized };

class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;

    // Starts the command line (a program, optionally followed by arguments), neither waits for
    // the process nor keeps a handle to it. False when no process was started.
    virtual bool Start(const std::string& commandLine, WindowShow show) = 0;
};

}  // namespace velkor
