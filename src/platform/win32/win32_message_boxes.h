#pragma once
#include <windows.h>

#include "platform/message_box.h"

namespace velkor::win32 {

class Win32MessageBoxes : public MessageBoxes {
public:
    // Boxes are modal to this window when it is set.
    void SetOwner(HWND owner) { owner_ = owner; }
    void Show(std::string_view text, std::string_view caption, MessageIcon icon) override;

private:
    HWND owner_ = nullptr;
};

}  // namespace velkor::win32
