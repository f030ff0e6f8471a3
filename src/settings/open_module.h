#pragma once
// The program picker's use of the system file-open dialog.
#include <string>
#include <string_view>

#include "platform/open_file_dialog.h"

namespace velkor {

// Characters a chosen path may have; a longer path makes the system dialog fail.
inline constexpr std::size_t kOpenFilePathLengthChars = 254;

// "Description|pattern|..." as the system dialog takes it: every "|" becomes a NUL, a missing
// last "|" is added first, and the list ends in a second NUL.
std::string FilterList(std::string_view filter);

// The folder that holds `executablePath`, without a trailing backslash except at a drive root
// ("C:\Tools\Velkor.exe" -> "C:\Tools", "C:\Velkor.exe" -> "C:\").
std::string FolderOfFile(std::string_view executablePath);

// Shows the file-open dialog, modal to `owner`, for existing files only and without the
// read-only box. Returns the chosen file's full path without surrounding spaces, or empty
// text when the user cancels or the dialog fails.
std::string ShowOpenFileDialog(OpenFileDialog& dialog, WindowHandle owner, std::string_view filter,
                               std::string_view title, std::string_view initialFolder);

}  // namespace velkor
