#pragma once
// The settings folder of a test: a folder of its own in place of the system directory, with
// the per-user folder inside it.
#include <string>

#include "platform/system_folders.h"

namespace velkor::win32 {

class TestSystemFolders : public SystemFolders {
public:
    explicit TestSystemFolders(std::string folder) : folder_(std::move(folder)) {}
    std::string SystemDirectory() override { return folder_; }
    std::string UserAppDataDirectory() override { return folder_ + "appdata"; }
    std::string ExecutablePath() override { return folder_ + "velkor.exe"; }

private:
    std::string folder_;
};

}  // namespace velkor::win32
