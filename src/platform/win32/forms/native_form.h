#pragma once
// What the Win32 window system keeps for one loaded form: its window, and for the window and
// each picture box a surface with its background (a plain colour, or a persistent image such
// as the two-colour gradient) and the lines drawn on it.
#include <windows.h>

#include <deque>
#include <memory>
#include <vector>

#include "platform/drawing_surface.h"
#include "platform/win32/forms/gdi_handles.h"
#include "ui/forms/form.h"

namespace velkor::win32 {

class Win32WindowSystem;

struct NativeSurface {
    HWND window = nullptr;
    Control* picture = nullptr;  // null for the form's own client area
    Colour backColour = 0;
    struct Line {
        POINT from;
        POINT to;
        Colour colour;
    };
    std::vector<Line> lines;  // Line controls, in pixels relative to the surface
    struct Fill {
        RECT rect;
        Colour colour;
    };
    std::vector<Fill> fills;  // frames with a back colour of their own
    // Persistent background image; when present it replaces the plain colour.
    UniqueBitmap image;
    SIZE imageSize = {0, 0};
    bool autoRedraw = false;
    int scaleMode = 1;  // 1 twips, 3 pixels
    // Brush that paints this surface's background under transparent controls.
    UniqueBrush backgroundBrush;
    bool brushStale = true;
    // What the program draws on; made on first use.
    std::unique_ptr<DrawingSurface> drawing;
};

struct NativeForm {
    Win32WindowSystem* system = nullptr;
    Form* form = nullptr;
    HWND window = nullptr;
    bool destroyed = false;
    HWND lastFocus = nullptr;  // the control that had the focus when the window was left
    std::deque<NativeSurface> surfaces;  // [0] is the form itself
    NativeSurface* SurfaceOf(HWND window);
};

}  // namespace velkor::win32
