#pragma once
// Records program starts instead of making them.
#include <string>

#include "call_log.h"
#include "platform/process_launcher.h"

namespace velkor::fakes {

class FakeProcessLauncher : public ProcessLauncher {
public:
    explicit FakeProcessLauncher(CallLog& log) : log_(log) {}

    bool startSucceeds = true;

    bool Start(const std::string& commandLine, WindowShow show) override {
        log_.push_back("CreateProcess(" + commandLine + ", " +
                       (show == WindowShow::Maximized ? "SW_SHOWMAXIMIZED" : "?") + ")");
        return startSucceeds;
    }

private:
    CallLog& log_;
};

}  // namespace velkor::fakes
