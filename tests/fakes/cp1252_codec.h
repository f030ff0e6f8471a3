#pragma once
// Windows-1252, the ANSI code page of a German or English Windows, for tests off Windows.
#include "platform/ansi_codec.h"

namespace velkor::fakes {

class Cp1252Codec : public AnsiCodec {
public:
    std::string AnsiToUtf8(std::string_view ansi) override;
    std::string Utf8ToAnsi(std::string_view utf8) override;
};

}  // namespace velkor::fakes
