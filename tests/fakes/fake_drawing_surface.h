#pragma once
// A surface of a given pixel size that records its lines and every setting made on it. In
// twips mode it reports its size in twips (15 to the pixel).
#include <cstdint>
#include <string>
#include <vector>

#include "platform/drawing_surface.h"

namespace velkor::fakes {

class FakeDrawingSurface : public DrawingSurface {
  public:
    struct Line {
        double x1, y1, x2, y2;
        Colour colour;
        ScaleMode mode;   // the coordinate mode it was drawn in
        bool autoRedraw;  // whether it went into the background image
    };

    FakeDrawingSurface(double widthPixels, double heightPixels)
        : widthPixels(widthPixels), heightPixels(heightPixels) {}

    double widthPixels;
    double heightPixels;
    ScaleMode mode = ScaleMode::Twips;
    bool autoRedraw = false;
    std::vector<Line> lines;
    std::vector<std::string> settings;  // "ScaleMode 3", "AutoRedraw 1", in order
    int widthReads = 0;

    ScaleMode GetScaleMode() override { return mode; }
    void SetScaleMode(ScaleMode m) override {
        settings.push_back("ScaleMode " + std::to_string(static_cast<int>(m)));
        mode = m;
    }
    bool GetAutoRedraw() override { return autoRedraw; }
    void SetAutoRedraw(bool on) override {
        settings.push_back(std::string("AutoRedraw ") + (on ? "1" : "0"));
        autoRedraw = on;
    }
    double ScaleWidth() override {
        ++widthReads;
        return widthPixels * Scale();
    }
    double ScaleHeight() override { return heightPixels * Scale(); }
    void DrawLine(double x1, double y1, double x2, double y2, Colour colour) override {
        lines.push_back({x1, y1, x2, y2, colour, mode, autoRedraw});
    }

  private:
    double Scale() const { return mode == ScaleMode::Twips ? 15.0 : 1.0; }
};

}  // namespace velkor::fakes
