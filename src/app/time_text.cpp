#include "app/time_text.h"

#include <algorithm>

namespace velkor {
namespace {

void PutTwoDigits(char* out, int value) {
    value = std::clamp(value, 0, 99);
    out[0] = static_cast<char>('0' + value / 10);
    out[1] = static_cast<char>('0' + value % 10);
}

}  // namespace

std::string CurrentTimeText(const LocalDateTime& now) {
    std::string text = "00:00:00";  // fits the short-string buffer: no allocation
    PutTwoDigits(&text[0], now.hour);
    PutTwoDigits(&text[3], now.minute);
    PutTwoDigits(&text[6], now.second);
    return text;
}

}  // namespace velkor
