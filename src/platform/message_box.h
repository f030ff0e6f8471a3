#pragma once
// Standard modal message boxes with a single OK button.
#include <string_view>

namespace velkor {

enum class MessageIcon { Information, Warning, Stop };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Returns when the user has closed the box.
    virtual void Show(std::string_view text, std::string_view caption, MessageIcon icon) = 0;
};

}  // namespace velkor
