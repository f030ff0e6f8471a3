#pragma once
// Colours as the program stores them: 0x00BBGGRR, red in the low byte.
#include <cstdint>

namespace velkor {

using Colour = std::uint32_t;

inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kRed = 0x0000FF;    // 255
inline constexpr Colour kGreen = 0x00FF00;  // 65280

constexpr Colour Rgb(int red, int green, int blue) {
    return static_cast<Colour>(red) | (static_cast<Colour>(green) << 8) |
           (static_cast<Colour>(blue) << 16);
}

}  // namespace velkor
