#pragma once
#include "platform/ansi_codec.h"

namespace velkor::win32 {

// The system's ANSI code page (CP_ACP), as the settings file has always been written in.
class Win32AnsiCodec : public AnsiCodec {
public:
    std::string AnsiToUtf8(std::string_view ansi) override;
    std::string Utf8ToAnsi(std::string_view utf8) override;
};

}  // namespace velkor::win32
