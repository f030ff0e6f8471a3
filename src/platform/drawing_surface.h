#pragma once
// Something that can be painted on: a window's client area or a picture box. It has a
// coordinate mode, a persistent background image that it repaints by itself whenever it is
// uncovered, and draws lines in the current coordinate mode.
#include <cstdint>

#include "ui/forms/colour.h"

namespace velkor {


// Coordinate modes, with the numbers the settings of the classic window toolkit used.
enum class ScaleMode : std::uint8_t {
    Twips = 1,  // 1/1440 inch: 15 twips are one pixel at 96 dots per inch
    Pixels = 3,
};

class DrawingSurface {
  public:
    virtual ~DrawingSurface() = default;

    // The coordinate mode of ScaleWidth, ScaleHeight and DrawLine. Setting it changes only how
    // coordinates are read, never what has been drawn.
    virtual ScaleMode GetScaleMode() = 0;
    virtual void SetScaleMode(ScaleMode mode) = 0;

    // Whether DrawLine draws into the persistent background image (on) or only onto the screen
    // (off). Switching it off keeps the image: the surface goes on repainting it when it is
    // uncovered, with child controls on top. Switching it on does not clear the image.
    virtual bool GetAutoRedraw() = 0;
    virtual void SetAutoRedraw(bool on) = 0;

    // The inner (client) size in the current coordinate mode; 0 for an empty or minimised
    // surface.
    virtual double ScaleWidth() = 0;
    virtual double ScaleHeight() = 0;

    // A solid line one pixel wide from (x1, y1) to (x2, y2), in the current coordinate mode with
    // (0, 0) at the inner top left. The end point is not drawn, as with LineTo.
    virtual void DrawLine(double x1, double y1, double x2, double y2, Colour colour) = 0;
};

}  // namespace velkor
