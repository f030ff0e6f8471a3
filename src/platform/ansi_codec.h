#pragma once
// Conversion between the program's UTF-8 text and the system's 8-bit ANSI code page, which
// the settings file is written in.
#include <string>
#include <string_view>

namespace velkor {

class AnsiCodec {
public:
    virtual ~AnsiCodec() = default;
    virtual std::string AnsiToUtf8(std::string_view ansi) = 0;
    // Characters the code page lacks become its default character ("?").
    virtual std::string Utf8ToAnsi(std::string_view utf8) = 0;
};

}  // namespace velkor
