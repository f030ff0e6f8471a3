#pragma once
// Records every message box instead of showing it.
#include <string>
#include <vector>

#include "platform/message_box.h"

namespace velkor::fakes {

struct ShownMessage {
    std::string text;
    std::string caption;
    MessageIcon icon;
    friend bool operator==(const ShownMessage&, const ShownMessage&) = default;
};

class FakeMessageBoxes : public MessageBoxes {
public:
    std::vector<ShownMessage> shown;

    void Show(std::string_view text, std::string_view caption, MessageIcon icon) override {
        shown.push_back({std::string(text), std::string(caption), icon});
    }
};

}  // namespace velkor::fakes
