#pragma once
#include "platform/file_system.h"

namespace velkor::win32 {

class Win32FileSystem : public FileSystem {
public:
    std::optional<std::string> ReadAll(const std::string& path) override;
    IoStatus ReplaceAtomically(const std::string& path, std::string_view bytes) override;
    bool Exists(const std::string& path) override;
    bool CanReplace(const std::string& path) override;
    IoStatus CreateDirectories(const std::string& path) override;
    IoStatus CopyNew(const std::string& from, const std::string& to) override;
};

}  // namespace velkor::win32
