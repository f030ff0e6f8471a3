#include "ui/two_colour.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace velkor {

namespace {
struct Components {
    std::int32_t red, green, blue;
};

// Split by arithmetic, as the colour is defined: red + 256 * green + 65536 * blue.
Components Split(Colour colour) {
    const std::int32_t value = static_cast<std::int32_t>(colour & 0xFFFFFFu);
    const std::int32_t blue = value / 65536;
    const std::int32_t rest = value - 65536 * blue;
    const std::int32_t green = rest / 256;
    return {rest - 256 * green, green, blue};
}

// Linear step per row, kept in single precision.
float Step(std::int32_t from, std::int32_t to, double height) {
    return static_cast<float>(static_cast<double>(to - from) / height);
}

// The component at row y, rounded to nearest with ties to even.
std::int32_t At(float step, double y, std::int32_t from) {
    const double value = std::nearbyint(static_cast<double>(step) * y + from);
    return static_cast<std::int32_t>(std::clamp(value, 0.0, 255.0));
}

// Gives the surface its coordinate mode and background switch back when painting ends.
class SurfaceSettingsRestorer {
  public:
    explicit SurfaceSettingsRestorer(DrawingSurface& surface)
        : surface_(surface), mode_(surface.GetScaleMode()), autoRedraw_(surface.GetAutoRedraw()) {}
    ~SurfaceSettingsRestorer() {
        surface_.SetScaleMode(mode_);
        surface_.SetAutoRedraw(autoRedraw_);
    }
    SurfaceSettingsRestorer(const SurfaceSettingsRestorer&) = delete;
    SurfaceSettingsRestorer& operator=(const SurfaceSettingsRestorer&) = delete;

  private:
    DrawingSurface& surface_;
    ScaleMode mode_;
    bool autoRedraw_;
};
}  // namespace

void PaintTwoColour(DrawingSurface& surface, Colour top, Colour bottom) {
    const Components from = Split(top);
    const Components to = Split(bottom);

    SurfaceSettingsRestorer restorer(surface);
    surface.SetScaleMode(ScaleMode::Pixels);
    surface.SetAutoRedraw(true);

    const double height = surface.ScaleHeight();
    if (!(height > 0)) return;  // nothing to paint, and the steps would divide by zero
    const float stepRed = Step(from.red, to.red, height);
    const float stepGreen = Step(from.green, to.green, height);
    const float stepBlue = Step(from.blue, to.blue, height);

    const auto lastRow = static_cast<std::int64_t>(std::nearbyint(height));
    for (std::int64_t row = 0; row <= lastRow; ++row) {
        const double y = static_cast<double>(row);
        const Colour colour = static_cast<Colour>(At(stepRed, y, from.red)) +
                              256u * static_cast<Colour>(At(stepGreen, y, from.green)) +
                              65536u * static_cast<Colour>(At(stepBlue, y, from.blue));
        surface.DrawLine(0, y, surface.ScaleWidth(), y, colour);
    }
}

}  // namespace velkor
