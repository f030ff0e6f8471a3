#pragma once
// UTF-8 inside the program, UTF-16 at the Windows API edge.
#include <windows.h>

#include <string>
#include <string_view>

namespace velkor::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

// The system's text for an error code, e.g. "Access is denied.", without the line end.
std::string SystemErrorText(DWORD error);

}  // namespace velkor::win32
