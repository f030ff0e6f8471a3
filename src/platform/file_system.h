#pragma once
// Whole-file access to the local file system. Paths are UTF-8, Windows style ("C:\dir\file").
// File contents are raw bytes; text encoding is the caller's business.
#include <optional>
#include <string>
#include <string_view>

#include "platform/io_status.h"

namespace velkor {

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The whole content of the file, or nothing when it is missing or cannot be read.
    virtual std::optional<std::string> ReadAll(const std::string& path) = 0;

    // Writes the bytes to a temporary file beside `path` and then replaces `path` with it in
    // one step, so a crash mid-write leaves the previous file whole.
    virtual IoStatus ReplaceAtomically(const std::string& path, std::string_view bytes) = 0;

    virtual bool Exists(const std::string& path) = 0;

    // Whether ReplaceAtomically(path, ...) would be allowed: the folder takes new files and an
    // existing file may be overwritten. Leaves nothing behind.
    virtual bool CanReplace(const std::string& path) = 0;

    // Creates the folder (and missing parents). Succeeds when it exists afterwards.
    virtual IoStatus CreateDirectories(const std::string& path) = 0;

    virtual IoStatus CopyNew(const std::string& from, const std::string& to) = 0;
};

}  // namespace velkor
