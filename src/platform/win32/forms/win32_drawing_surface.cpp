#include "platform/win32/forms/win32_drawing_surface.h"

#include <cmath>

#include "platform/win32/forms/win32_window_system.h"

namespace velkor::win32 {

ScaleMode Win32DrawingSurface::GetScaleMode() {
    return surface_.scaleMode == 3 ? ScaleMode::Pixels : ScaleMode::Twips;
}

void Win32DrawingSurface::SetScaleMode(ScaleMode mode) {
    surface_.scaleMode = mode == ScaleMode::Pixels ? 3 : 1;
}

int Win32DrawingSurface::ToPixels(double value) const {
    if (surface_.scaleMode == 3) return static_cast<int>(std::lround(value));
    return static_cast<int>(std::lround(value * system_.Dpi() / 1440.0));
}

double Win32DrawingSurface::FromPixels(int pixels) const {
    if (surface_.scaleMode == 3) return pixels;
    return pixels * 1440.0 / system_.Dpi();
}

double Win32DrawingSurface::ScaleWidth() {
    RECT client;
    GetClientRect(surface_.window, &client);
    return FromPixels(client.right);
}

double Win32DrawingSurface::ScaleHeight() {
    RECT client;
    GetClientRect(surface_.window, &client);
    return FromPixels(client.bottom);
}

void Win32DrawingSurface::EnsureImage() {
    RECT client;
    GetClientRect(surface_.window, &client);
    if (surface_.image && surface_.imageSize.cx >= client.right &&
        surface_.imageSize.cy >= client.bottom)
        return;
    // A new image starts as the plain background.
    HDC screen = GetDC(surface_.window);
    surface_.image.reset(CreateCompatibleBitmap(screen, client.right, client.bottom));
    surface_.imageSize = {client.right, client.bottom};
    UniqueMemoryDC memory(CreateCompatibleDC(screen));
    ReleaseDC(surface_.window, screen);
    SelectInScope select(memory.get(), surface_.image.get());
    FillRect(memory.get(), &client, system_.SolidBrush(surface_.backColour));
}

void Win32DrawingSurface::SetAutoRedraw(bool on) {
    surface_.autoRedraw = on;
    if (on) EnsureImage();
    else system_.RefreshSurface(surface_);
}

void Win32DrawingSurface::DrawLine(double x1, double y1, double x2, double y2, Colour colour) {
    UniquePen pen(CreatePen(PS_SOLID, 1, ToColorRef(colour)));
    auto draw = [&](HDC dc) {
        SelectInScope select(dc, pen.get());
        MoveToEx(dc, ToPixels(x1), ToPixels(y1), nullptr);
        LineTo(dc, ToPixels(x2), ToPixels(y2));
    };
    if (surface_.autoRedraw) {
        EnsureImage();
        UniqueMemoryDC memory(CreateCompatibleDC(nullptr));
        SelectInScope select(memory.get(), surface_.image.get());
        draw(memory.get());
        surface_.brushStale = true;
        InvalidateRect(surface_.window, nullptr, FALSE);
    } else {
        HDC dc = GetDC(surface_.window);
        draw(dc);
        ReleaseDC(surface_.window, dc);
    }
}

}  // namespace velkor::win32
