#pragma once
// How a window looks when it is loaded: caption, border, size, colours, font, placement.
#include <string_view>

#include "ui/forms/colour.h"
#include "ui/forms/control_design.h"

namespace velkor {

enum class BorderStyle {
    FixedSingle,      // caption bar, not resizable
    FixedDialog,      // dialog frame, not resizable
    FixedToolWindow,  // small caption, no icon
    NoCaption,        // dialog frame without caption bar or buttons
};

enum class StartPosition { Default, CenterScreen };

struct FormDesign {
    std::string_view name{};
    std::string_view caption{};
    BorderStyle border = BorderStyle::FixedSingle;
    bool controlBox = true;  // system menu with close box
    bool minButton = false;
    int clientWidthTwips = 0;
    int clientHeightTwips = 0;
    Colour backColour = 0x8000000F;
    FontDesign font{};
    StartPosition startPosition = StartPosition::Default;
    bool showInTaskbar = true;
};

}  // namespace velkor
