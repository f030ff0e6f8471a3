#pragma once
// The vertical two-colour gradient that the main window and its panel get as background when
// the option "Programm 2 Farbig Darstellen." is on.
#include "platform/drawing_surface.h"

namespace velkor {

inline constexpr Colour kTwoColourTop = 0xC00000;     // dark blue: red 0, green 0, blue 192
inline constexpr Colour kTwoColourBottom = 0xDAB678;  // light blue: red 120, green 182, blue 218

// Paints one line per pixel row from `top` at row 0 to `bottom` at the last row into the
// surface's persistent background, and gives the surface back its coordinate mode and
// background switch, also when drawing throws. Both colours are plain 24-bit colours. A surface
// without height is left alone.
void PaintTwoColour(DrawingSurface& surface, Colour top, Colour bottom);

}  // namespace velkor
