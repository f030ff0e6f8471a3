#pragma once
// Well-known folders of the running Windows.
#include <string>

namespace velkor {

class SystemFolders {
public:
    virtual ~SystemFolders() = default;
    // The Windows system directory as the system reports it (with or without a trailing "\").
    virtual std::string SystemDirectory() = 0;
    // The current user's roaming application-data folder (%APPDATA%), empty when unknown.
    virtual std::string UserAppDataDirectory() = 0;
    // The full path of the program's own executable file.
    virtual std::string ExecutablePath() = 0;
};

}  // namespace velkor
