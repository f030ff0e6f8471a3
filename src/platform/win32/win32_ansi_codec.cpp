#include "platform/win32/win32_ansi_codec.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace velkor::win32 {

std::string Win32AnsiCodec::AnsiToUtf8(std::string_view ansi) {
    if (ansi.empty()) return {};
    const int size = static_cast<int>(ansi.size());
    const int count = MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(count), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, wide.data(), count);
    return Narrow(wide);
}

std::string Win32AnsiCodec::Utf8ToAnsi(std::string_view utf8) {
    const std::wstring wide = Widen(utf8);
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    const int count = WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(count), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), size, ansi.data(), count, nullptr, nullptr);
    return ansi;
}

}  // namespace velkor::win32
