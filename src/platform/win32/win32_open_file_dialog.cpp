#include "platform/win32/win32_open_file_dialog.h"

#include <commdlg.h>
#include <windows.h>

#include "platform/win32/wide_text.h"

namespace velkor::win32 {

std::optional<std::string> Win32OpenFileDialog::ChooseFile(const OpenFileRequest& request) {
    if (!comdlg32_) comdlg32_.emplace(L"comdlg32.dll");
    const auto getOpenFileName =
        comdlg32_->Find<decltype(&::GetOpenFileNameW)>("GetOpenFileNameW");
    if (!getOpenFileName) return std::nullopt;

    // The buffers open full of spaces, as the file-name box shows them; a path longer than
    // they hold makes the dialog fail.
    std::wstring file(request.pathLengthChars, L' ');
    file.push_back(L'\0');
    std::wstring fileTitle = file;
    const std::wstring filter = Widen(request.filter);  // keeps its inner NULs
    const std::wstring title = Widen(request.title);
    const std::wstring folder = Widen(request.initialFolder);

    OPENFILENAMEW dialog = {};
    // The layout before Windows 2000 added its fields.
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
    dialog.hwndOwner = reinterpret_cast<HWND>(request.owner);
    dialog.hInstance = instance_;
    dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrFileTitle = fileTitle.data();
    dialog.nMaxFileTitle = static_cast<DWORD>(fileTitle.size());
    dialog.lpstrInitialDir = folder.c_str();
    dialog.lpstrTitle = title.c_str();
    dialog.Flags = request.flags;
    if (!getOpenFileName(&dialog)) return std::nullopt;
    return Narrow(std::wstring_view(file.c_str()));
}

}  // namespace velkor::win32
