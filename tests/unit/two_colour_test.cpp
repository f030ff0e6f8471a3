// The two-colour gradient: one line per pixel row into the background image, with the
// colours of the standard blue gradient, and the surface's settings given back.
#include "ui/two_colour.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "fake_drawing_surface.h"

namespace velkor {
namespace {

using fakes::FakeDrawingSurface;

constexpr Colour Rgb(Colour red, Colour green, Colour blue) {
    return red + 256 * green + 65536 * blue;
}

struct Row {
    std::size_t y;
    Colour colour;
};

struct GradientCase {
    const char* name;
    double heightPixels;
    std::vector<Row> rows;
    friend void PrintTo(const GradientCase& c, std::ostream* os) { *os << c.name; }
};

class TwoColourRows : public ::testing::TestWithParam<GradientCase> {};

TEST_P(TwoColourRows, PaintsEveryRowFromTopToBottomColour) {
    const GradientCase& c = GetParam();
    FakeDrawingSurface surface(240, c.heightPixels);

    PaintTwoColour(surface, kTwoColourTop, kTwoColourBottom);

    const auto height = static_cast<std::size_t>(c.heightPixels);
    ASSERT_EQ(surface.lines.size(), height + 1);
    for (std::size_t y = 0; y <= height; ++y) {
        const FakeDrawingSurface::Line& line = surface.lines[y];
        EXPECT_EQ(line.x1, 0);
        EXPECT_EQ(line.x2, 240);
        EXPECT_EQ(line.y1, static_cast<double>(y));
        EXPECT_EQ(line.y2, static_cast<double>(y));
        EXPECT_EQ(line.mode, ScaleMode::Pixels);
        EXPECT_TRUE(line.autoRedraw);
    }
    for (const Row& row : c.rows)
        EXPECT_EQ(surface.lines[row.y].colour, row.colour) << "row " << row.y;
    EXPECT_EQ(surface.lines.front().colour, kTwoColourTop);
    EXPECT_EQ(surface.lines.back().colour, kTwoColourBottom);
    EXPECT_EQ(surface.widthReads, static_cast<int>(height + 1));  // read again for every line
}

INSTANTIATE_TEST_SUITE_P(Cases, TwoColourRows,
                         ::testing::Values(GradientCase{"three_pixels",
                                                        3,
                                                        {{0, Rgb(0, 0, 192)},
                                                         {1, Rgb(40, 61, 201)},
                                                         {2, Rgb(80, 121, 209)},
                                                         {3, Rgb(120, 182, 218)}}},
                                           GradientCase{"hundred_pixels",
                                                        100,
                                                        {{0, Rgb(0, 0, 192)},
                                                         {3, Rgb(4, 5, 193)},
                                                         {50, Rgb(60, 91, 205)},
                                                         {100, Rgb(120, 182, 218)}}},
                                           GradientCase{"one_pixel", 1, {}},
                                           GradientCase{"tall_window", 2000, {}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TwoColour, StandardColoursAreDarkAndLightBlue) {
    EXPECT_EQ(kTwoColourTop, Rgb(0, 0, 192));
    EXPECT_EQ(kTwoColourBottom, 14333560u);
    EXPECT_EQ(kTwoColourBottom, Rgb(120, 182, 218));
}

TEST(TwoColour, GivesTheSurfaceItsSettingsBack) {
    for (const bool autoRedraw : {false, true}) {
        FakeDrawingSurface surface(100, 10);
        surface.mode = ScaleMode::Twips;
        surface.autoRedraw = autoRedraw;
        PaintTwoColour(surface, kTwoColourTop, kTwoColourBottom);
        EXPECT_EQ(surface.lines.size(), 11u);  // the height is read in pixels, not twips
        EXPECT_EQ(surface.mode, ScaleMode::Twips);
        EXPECT_EQ(surface.autoRedraw, autoRedraw);
        EXPECT_EQ(surface.settings.front(), "ScaleMode 3");
        EXPECT_EQ(surface.settings[1], "AutoRedraw 1");
    }
}

TEST(TwoColour, SkipsASurfaceWithoutHeight) {
    FakeDrawingSurface surface(100, 0);
    PaintTwoColour(surface, kTwoColourTop, kTwoColourBottom);
    EXPECT_TRUE(surface.lines.empty());
    EXPECT_EQ(surface.mode, ScaleMode::Twips);
    EXPECT_FALSE(surface.autoRedraw);
}

TEST(TwoColour, AnyColourPairRunsFromOneToTheOther) {
    // Upwards and downwards in every component, on one row and on many.
    for (const double height : {1.0, 7.0, 255.0}) {
        FakeDrawingSurface surface(10, height);
        PaintTwoColour(surface, Rgb(255, 0, 128), Rgb(0, 255, 128));
        ASSERT_EQ(surface.lines.size(), static_cast<std::size_t>(height) + 1);
        EXPECT_EQ(surface.lines.front().colour, Rgb(255, 0, 128));
        EXPECT_EQ(surface.lines.back().colour, Rgb(0, 255, 128));
    }
}

// A surface that fails while drawing still gets its settings back.
class FailingSurface : public FakeDrawingSurface {
  public:
    using FakeDrawingSurface::FakeDrawingSurface;
    void DrawLine(double, double, double, double, Colour) override {
        throw std::runtime_error("the window is gone");
    }
};

TEST(TwoColour, PassesDrawingErrorsOnAndStillRestores) {
    FailingSurface surface(100, 10);
    EXPECT_THROW(PaintTwoColour(surface, kTwoColourTop, kTwoColourBottom), std::runtime_error);
    EXPECT_EQ(surface.mode, ScaleMode::Twips);
    EXPECT_FALSE(surface.autoRedraw);
}

}  // namespace
}  // namespace velkor
