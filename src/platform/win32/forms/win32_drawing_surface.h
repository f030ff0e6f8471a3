#pragma once
// Drawing on a form's client area or a picture box. With AutoRedraw on, lines go into the
// surface's persistent background image, which the window repaints by itself whenever it is
// uncovered, with the controls on top (their transparent parts show the image).
#include "platform/drawing_surface.h"
#include "platform/win32/forms/native_form.h"

namespace velkor::win32 {

class Win32WindowSystem;

class Win32DrawingSurface : public DrawingSurface {
public:
    Win32DrawingSurface(Win32WindowSystem& system, NativeSurface& surface)
        : system_(system), surface_(surface) {}

    ScaleMode GetScaleMode() override;
    void SetScaleMode(ScaleMode mode) override;
    bool GetAutoRedraw() override { return surface_.autoRedraw; }
    void SetAutoRedraw(bool on) override;
    double ScaleWidth() override;
    double ScaleHeight() override;
    void DrawLine(double x1, double y1, double x2, double y2, Colour colour) override;

private:
    int ToPixels(double value) const;
    double FromPixels(int pixels) const;
    void EnsureImage();

    Win32WindowSystem& system_;
    NativeSurface& surface_;
};

}  // namespace velkor::win32
