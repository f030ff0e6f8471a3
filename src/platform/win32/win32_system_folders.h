#pragma once
#include "platform/system_folders.h"

namespace velkor::win32 {

class Win32SystemFolders : public SystemFolders {
public:
    std::string SystemDirectory() override;
    std::string UserAppDataDirectory() override;
    std::string ExecutablePath() override;
};

}  // namespace velkor::win32
