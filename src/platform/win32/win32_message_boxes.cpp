#include "platform/win32/win32_message_boxes.h"

#include "platform/win32/wide_text.h"

namespace velkor::win32 {

void Win32MessageBoxes::Show(std::string_view text, std::string_view caption, MessageIcon icon) {
    UINT style = MB_OK | MB_ICONINFORMATION;
    if (icon == MessageIcon::Warning) style = MB_OK | MB_ICONWARNING;
    if (icon == MessageIcon::Stop) style = MB_OK | MB_ICONSTOP;
    MessageBoxW(owner_, Widen(text).c_str(), Widen(caption).c_str(), style);
}

}  // namespace velkor::win32
