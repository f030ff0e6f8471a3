#pragma once
// How a control looks when its window is loaded: one row of a window's control table.
#include <optional>
#include <string_view>

#include "ui/forms/colour.h"

namespace velkor {

enum class ControlKind {
    Label,
    PictureBox,  // a container with its own background, like a small window
    Line,        // drawn by its container; no window of its own
    Frame,       // a captioned group; its controls are placed relative to it
    CheckBox,
    TextBox,
    ListBox,     // one row high
    VScrollBar,  // used as a spinner
    Button,
    ProgressBar,
    Image,       // shows the program's icon
};

// Left, top, width, height in twips (1/1440 inch; 15 twips a pixel at 96 DPI). A line uses
// the four numbers as x1, y1, x2, y2.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct FontDesign {
    std::string_view face = "MS Sans Serif";
    double points = 8.25;
    bool bold = true;
};

struct ControlDesign {
    std::string_view name{};  // the program's name for it: "AkDate", "Check1(0)"
    ControlKind kind = ControlKind::Label;
    std::string_view caption{};  // caption, or the initial text of a text box
    TwipsRect rect{};
    std::string_view container{};        // "" for the window itself, else a frame or picture box
    std::optional<Colour> foreColour{};  // default: black
    std::optional<Colour> backColour{};  // default: transparent over its container
    std::optional<FontDesign> font{};      // default: the window's font
    bool visible = true;
    bool tabStop = true;  // takes the keyboard focus with Tab (focusable kinds only)
    int minimum = 0;      // progress bar and scroll bar range
    int maximum = 100;
};

struct TimerDesign {
    std::string_view name{};
    int intervalMs = 0;
    bool enabled = false;  // running as soon as the window is loaded
};

struct MenuItemDesign {
    std::string_view name{};     // "mnuInfo"
    std::string_view caption{};  // "-" is a separator
};

struct MenuDesign {
    std::string_view name{};  // "mnuFile"
    std::string_view caption{};
    const MenuItemDesign* items = nullptr;
    std::size_t itemCount = 0;
};

}  // namespace velkor
