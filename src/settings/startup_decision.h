#pragma once

namespace velkor {

// What the main window's start-up does after reading the settings file.
enum class StartupDecision {
    Continue,    // a complete file in the current format
    Upgrade,     // a file of the previous version: convert it
    FirstStart,  // no usable file: prepare the defaults
};

}  // namespace velkor
