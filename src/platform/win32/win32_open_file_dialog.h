#pragma once
#include <windows.h>

#include <optional>

#include "platform/open_file_dialog.h"
#include "platform/win32/system_library.h"

namespace velkor::win32 {

class Win32OpenFileDialog : public OpenFileDialog {
  public:
    explicit Win32OpenFileDialog(HINSTANCE instance) : instance_(instance) {}
    std::optional<std::string> ChooseFile(const OpenFileRequest& request) override;

  private:
    HINSTANCE instance_;
    // comdlg32 is loaded when the dialog is first asked for, not at start: it brings the
    // printing libraries with it, megabytes that the program would otherwise hold all day.
    std::optional<SystemLibrary> comdlg32_;
};

}  // namespace velkor::win32
