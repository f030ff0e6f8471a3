#include "platform/win32/win32_file_system.h"

#include <windows.h>
#include <shlobj.h>

#include <algorithm>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"

namespace velkor::win32 {
namespace {

// Files larger than this are read only this far: a settings file is a few hundred bytes,
// and a damaged giant must not exhaust memory.
constexpr DWORD kMaxReadBytes = 1 << 20;

// A name beside `path` that no other running instance uses: "<path>.<process id>.tmp".
std::wstring TemporaryNameBeside(const std::wstring& path) {
    return path + L"." + std::to_wstring(GetCurrentProcessId()) + L".tmp";
}

// Whether `name` (without folder) is a temporary name of `fileName` from any process.
bool IsTemporaryNameOf(const std::wstring& name, const std::wstring& fileName) {
    const std::wstring suffix = L".tmp";
    if (name.size() <= fileName.size() + 1 + suffix.size()) return false;
    if (CompareStringOrdinal(name.c_str(), static_cast<int>(fileName.size()), fileName.c_str(),
                             static_cast<int>(fileName.size()), TRUE) != CSTR_EQUAL ||
        name[fileName.size()] != L'.' ||
        CompareStringOrdinal(name.c_str() + name.size() - suffix.size(),
                             static_cast<int>(suffix.size()), suffix.c_str(),
                             static_cast<int>(suffix.size()), TRUE) != CSTR_EQUAL)
        return false;
    const auto first = name.begin() + static_cast<std::ptrdiff_t>(fileName.size() + 1);
    const auto last = name.end() - static_cast<std::ptrdiff_t>(suffix.size());
    return std::all_of(first, last, [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

// Deletes the temporary files that saves of `path` cut short by a crash, a kill or a power
// cut left behind, so they do not pile up. One that a running save still has open cannot be
// deleted and stays; one that another instance has just written and is about to move makes
// that instance's save fail and say so. The settings file itself is never touched.
void RemoveLeftoverTemporaries(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? L"" : path.substr(0, slash + 1);
    const std::wstring fileName = path.substr(folder.size());
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((path + L".*.tmp").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        // The pattern also matches short (8.3) names: check the whole long name.
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            IsTemporaryNameOf(found.cFileName, fileName))
            DeleteFileW((folder + found.cFileName).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

IoStatus LastError(const std::string& path) {
    return IoStatus::Failure(path, SystemErrorText(GetLastError()));
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1 << 20));
        if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

}  // namespace

std::optional<std::string> Win32FileSystem::ReadAll(const std::string& path) {
    UniqueHandle file(CreateFileW(Widen(path).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    std::string content;
    char buffer[4096];
    for (;;) {
        DWORD read = 0;
        if (!::ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr)) return std::nullopt;
        if (read == 0) break;
        content.append(buffer, read);
        if (content.size() >= kMaxReadBytes) break;
    }
    return content;
}

IoStatus Win32FileSystem::ReplaceAtomically(const std::string& path, std::string_view bytes) {
    const std::wstring target = Widen(path);
    const std::wstring temporary = TemporaryNameBeside(target);
    {
        UniqueHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return LastError(path);
        if (!WriteAll(file.get(), bytes) || !FlushFileBuffers(file.get())) {
            IoStatus status = LastError(path);
            file.reset();
            DeleteFileW(temporary.c_str());
            return status;
        }
    }
    if (!MoveFileExW(temporary.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        IoStatus status = LastError(path);
        DeleteFileW(temporary.c_str());
        return status;
    }
    RemoveLeftoverTemporaries(target);
    return IoStatus::Success();
}

bool Win32FileSystem::Exists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::CanReplace(const std::string& path) {
    const std::wstring target = Widen(path);
    // The folder must take the temporary file that a save writes first (one left behind by an
    // earlier process with the same id is no obstacle: a save overwrites it)...
    UniqueHandle probe(CreateFileW(TemporaryNameBeside(target).c_str(), GENERIC_WRITE, 0, nullptr,
                                   OPEN_ALWAYS, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE,
                                   nullptr));
    if (!probe) return false;
    probe.reset();
    // ...and an existing file must be writable (not read-only, not denied to this user).
    if (!Exists(path)) return true;
    UniqueHandle existing(CreateFileW(target.c_str(), GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return existing.valid();
}

IoStatus Win32FileSystem::CreateDirectories(const std::string& path) {
    std::wstring folder = Widen(path);
    while (folder.size() > 3 && folder.back() == L'\\') folder.pop_back();
    const int result = SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
    if (result == ERROR_SUCCESS || result == ERROR_ALREADY_EXISTS || result == ERROR_FILE_EXISTS)
        return IoStatus::Success();
    return IoStatus::Failure(path, SystemErrorText(static_cast<DWORD>(result)));
}

IoStatus Win32FileSystem::CopyNew(const std::string& from, const std::string& to) {
    if (!CopyFileW(Widen(from).c_str(), Widen(to).c_str(), TRUE)) return LastError(to);
    return IoStatus::Success();
}

}  // namespace velkor::win32
