#pragma once
// An in-memory file system with Windows-style paths. Folders can be made read-only to play a
// standard user facing the system directory; every call is recorded.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace velkor::fakes {

class FakeFileSystem : public FileSystem {
public:
    std::map<std::string, std::string> files;
    std::set<std::string> folders;          // folders that exist, each ending in "\"
    std::set<std::string> readOnlyFolders;  // no file there may be created or replaced
    std::vector<std::string> calls;         // "ReplaceAtomically C:\x\y", ...

    static std::string FolderOf(const std::string& path) {
        const auto slash = path.rfind('\\');
        return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    }

    std::optional<std::string> ReadAll(const std::string& path) override {
        calls.push_back("ReadAll " + path);
        const auto it = files.find(path);
        if (it == files.end()) return std::nullopt;
        return it->second;
    }

    IoStatus ReplaceAtomically(const std::string& path, std::string_view bytes) override {
        calls.push_back("ReplaceAtomically " + path);
        if (!Writable(path)) return IoStatus::Failure(path, "Access is denied.");
        files[path] = std::string(bytes);
        return IoStatus::Success();
    }

    bool Exists(const std::string& path) override { return files.count(path) != 0; }

    bool CanReplace(const std::string& path) override { return Writable(path); }

    IoStatus CreateDirectories(const std::string& path) override {
        calls.push_back("CreateDirectories " + path);
        if (readOnlyFolders.count(path)) return IoStatus::Failure(path, "Access is denied.");
        folders.insert(path);
        return IoStatus::Success();
    }

    IoStatus CopyNew(const std::string& from, const std::string& to) override {
        calls.push_back("CopyNew " + from + " -> " + to);
        const auto it = files.find(from);
        if (it == files.end()) return IoStatus::Failure(from, "The system cannot find the file.");
        if (!Writable(to)) return IoStatus::Failure(to, "Access is denied.");
        files[to] = it->second;
        return IoStatus::Success();
    }

private:
    bool Writable(const std::string& path) const {
        const std::string folder = FolderOf(path);
        return folders.count(folder) != 0 && readOnlyFolders.count(folder) == 0;
    }
};

}  // namespace velkor::fakes
