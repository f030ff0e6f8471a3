#pragma once
#include <string>

#include "platform/system_folders.h"

namespace velkor::fakes {

class FakeSystemFolders : public SystemFolders {
public:
    std::string systemDirectory = "C:\\WINDOWS\\system32";
    std::string appData = "C:\\Users\\anna\\AppData\\Roaming";
    std::string executablePath = "C:\\Programme\\Velkor\\Velkor.exe";

    std::string SystemDirectory() override { return systemDirectory; }
    std::string UserAppDataDirectory() override { return appData; }
    std::string ExecutablePath() override { return executablePath; }
};

}  // namespace velkor::fakes
