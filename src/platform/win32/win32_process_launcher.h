#pragma once
#include "platform/process_launcher.h"

namespace velkor::win32 {

class Win32ProcessLauncher : public ProcessLauncher {
public:
    bool Start(const std::string& commandLine, WindowShow show) override;
};

}  // namespace velkor::win32
