#pragma once
#include <windows.h>

#include "platform/open_file_dialog.h"

namespace velkor::win32 {

class Win32OpenFileDialog : public OpenFileDialog {
  public:
    explicit Win32OpenFileDialog(HINSTANCE instance) : instance_(instance) {}
    std::optional<std::string> ChooseFile(const OpenFileRequest& request) override;

  private:
    HINSTANCE instance_;
};

}  // namespace velkor::win32
