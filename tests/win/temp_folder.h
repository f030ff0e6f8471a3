#pragma once
// A folder of a test's own under %TEMP%, named after the test and the process, emptied when it
// is made (process ids come round again under Wine) and removed with everything in it at the
// end.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/wide_text.h"

namespace velkor::win32 {

class TempFolder {
public:
    explicit TempFolder(std::string_view name) {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        path_ = Narrow(temp) + std::string(name) + "-" + std::to_string(GetCurrentProcessId()) +
                "\\";
        RemoveTree(path_);
        CreateDirectoryW(Widen(path_).c_str(), nullptr);
    }
    ~TempFolder() { RemoveTree(path_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder, ending in "\".
    const std::string& path() const { return path_; }

    // The names in the folder (not in its subfolders), without "." and "..".
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        ForEachEntry(path_, [&](const WIN32_FIND_DATAW& found) {
            names.push_back(Narrow(found.cFileName));
        });
        return names;
    }

    static void RemoveTree(const std::string& folder) {
        ForEachEntry(folder, [&](const WIN32_FIND_DATAW& found) {
            const std::string name = Narrow(found.cFileName);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(folder + name + "\\");
            } else {
                SetFileAttributesW(Widen(folder + name).c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(Widen(folder + name).c_str());
            }
        });
        RemoveDirectoryW(Widen(folder).c_str());
    }

private:
    template <typename Visit>
    static void ForEachEntry(const std::string& folder, Visit visit) {
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW(Widen(folder + "*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return;
        do {
            const std::wstring_view name = found.cFileName;
            if (name != L"." && name != L"..") visit(found);
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }

    std::string path_;
};

}  // namespace velkor::win32
