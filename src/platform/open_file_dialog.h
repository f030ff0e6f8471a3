#pragma once
// The system's standard file-open dialog.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/window_api.h"

namespace velkor {

inline constexpr std::uint32_t kOfnHideReadOnly = 0x4;
inline constexpr std::uint32_t kOfnFileMustExist = 0x1000;

struct OpenFileRequest {
    WindowHandle owner = 0;  // the dialog is modal to this window
    // Pairs of description and pattern, each part ended by a NUL, the list by a second NUL.
    std::string filter;
    std::string title;
    std::string initialFolder;
    std::uint32_t flags = 0;
    // Characters the chosen path may have, the terminating NUL not counted. The file-name box
    // opens holding that many spaces.
    std::size_t pathLengthChars = 0;
};

class OpenFileDialog {
  public:
    virtual ~OpenFileDialog() = default;
    // Shows the dialog and returns when the user has closed it: the text of the file-name
    // buffer up to its first NUL, or nothing when the user cancelled or the dialog failed.
    virtual std::optional<std::string> ChooseFile(const OpenFileRequest& request) = 0;
};

}  // namespace velkor
