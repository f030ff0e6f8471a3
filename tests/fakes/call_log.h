#pragma once
// One ordered record of what the fakes were asked to do, shared by several fakes so that a
// test reads the whole story: hang-ups, token steps, the power request, the program start.
#include <cstdint>
#include <string>
#include <vector>

namespace velkor::fakes {

using CallLog = std::vector<std::string>;

// "0x1", "0xfffffffffffffffe": a handle or id as the system would show it.
inline std::string Hex(std::uint64_t value) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string digits;
    do {
        digits.insert(digits.begin(), kDigits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    return "0x" + digits;
}

}  // namespace velkor::fakes
