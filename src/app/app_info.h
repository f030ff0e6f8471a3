#pragma once
// Fixed facts about the program that its windows and messages show.
#include <string_view>

#include "version.h"

namespace velkor {

// Caption of message boxes that are given no caption of their own.
inline constexpr std::string_view kAppTitle = VELKOR_PRODUCT_NAME;
inline constexpr std::string_view kAppVersion = VELKOR_VERSION_TEXT;

}  // namespace velkor
