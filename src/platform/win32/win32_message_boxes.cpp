#include "platform/win32/win32_message_boxes.h"

#include "platform/win32/wide_text.h"

namespace velkor::win32 {
namespace {

UINT IconStyle(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Warning: return MB_ICONWARNING;
        case MessageIcon::Stop: return MB_ICONSTOP;
        case MessageIcon::Information: break;
    }
    return MB_ICONINFORMATION;
}

}  // namespace

void Win32MessageBoxes::Show(std::string_view text, std::string_view caption, MessageIcon icon) {
    MessageBoxW(owner_, Widen(text).c_str(), Widen(caption).c_str(), MB_OK | IconStyle(icon));
}

}  // namespace velkor::win32
