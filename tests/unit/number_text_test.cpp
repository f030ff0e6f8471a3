// Numbers held as text: strict reading, general-form writing, rounding ties to even.
#include "app/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace velkor {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
const std::optional<double> kNotANumber;
const std::string kArabicSeparator = "\xD9\xAB";  // U+066B, two bytes in UTF-8
const std::string kNoBreakSpace = "\xC2\xA0";

struct ReadCase {
    std::string text;
    const char* separator;
    std::optional<double> expected;
};

TEST(NumberFromText, ReadsStrictlyWithTheLocaleSeparator) {
    const ReadCase cases[] = {
        // German
        {"2048", ",", 2048},
        {"976,5625", ",", 976.5625},
        {"-1", ",", -1},
        {"+7", ",", 7},
        {"  42  ", ",", 42},
        {"\t1,5\t", ",", 1.5},
        {" 1", ",", 1},
        {",5", ",", 0.5},
        {"5,", ",", 5},
        {"-,25", ",", -0.25},
        {"007", ",", 7},
        {"0,1", ",", 0.1},
        {"1.5", ",", kNotANumber},    // the other locale's separator
        {"1.000", ",", kNotANumber},  // German thousands separator
        {"1,2,3", ",", kNotANumber},
        // English (US)
        {"976.5625", ".", 976.5625},
        {" -3.25 ", ".", -3.25},
        {"1,5", ".", kNotANumber},
        {"1,000", ".", kNotANumber},
        // A separator longer than one byte, and the empty one read as "."
        {"1" + kArabicSeparator + "5", kArabicSeparator.c_str(), 1.5},
        {"1.5", "", 1.5},
        // Not numbers in any locale
        {"", ",", kNotANumber},
        {"   ", ",", kNotANumber},
        {"-", ",", kNotANumber},
        {"+", ",", kNotANumber},
        {",", ",", kNotANumber},
        {"-,", ",", kNotANumber},
        {"abc", ",", kNotANumber},
        {"12a", ",", kNotANumber},
        {"a12", ",", kNotANumber},
        {"1e3", ".", kNotANumber},
        {"0x10", ".", kNotANumber},
        {"inf", ".", kNotANumber},
        {"nan", ".", kNotANumber},
        {"- 5", ",", kNotANumber},
        {"+-5", ",", kNotANumber},
        {"1 000", ",", kNotANumber},
        {"5 %", ",", kNotANumber},
        {"5\n", ",", kNotANumber},
        {std::string("5\0", 2), ",", kNotANumber},
        {kNoBreakSpace + "5", ",", kNotANumber},  // no blank
        // Lengths beyond any short buffer
        {std::string(500, '0') + "1", ",", 1},
        {"0," + std::string(400, '0') + "1", ",", 0},     // too small to hold
        {"1" + std::string(400, '0'), ",", kNotANumber},  // too large to hold
        {"-" + std::string(308, '9'), ",", -1e308},
    };
    for (const ReadCase& c : cases) {
        const auto value = NumberFromText(c.text, c.separator);
        EXPECT_EQ(value.has_value(), c.expected.has_value()) << '"' << c.text << '"';
        if (value && c.expected) {
            EXPECT_EQ(*value, *c.expected) << '"' << c.text << '"';
        }
    }
}

struct WriteCase {
    double value;
    const char* separator;
    std::string expected;
};

TEST(NumberToText, WritesGeneralFormWithTheLocaleSeparator) {
    const WriteCase cases[] = {
        {2048, ",", "2048"},
        {976.5625, ",", "976,5625"},
        {976.5625, ".", "976.5625"},
        {-1, ",", "-1"},
        {0, ",", "0"},
        {-0.0, ",", "0"},
        {1024000, ",", "1024000"},
        {4095000 / 1024.0, ",", "3999,0234375"},
        {0.1 + 0.2, ",", "0,3"},  // 15 significant digits hide the binary error
        {1.0 / 3, ",", "0,333333333333333"},
        {-2.0 / 3, ".", "-0.666666666666667"},
        {0.0009765625, ",", "0,0009765625"},
        {1e-7, ",", "0,0000001"},
        {-2.5e-5, ",", "-0,000025"},
        {4294967296.0, ",", "4294967296"},
        {999999999999999.0, ",", "999999999999999"},
        {999999999999999.9, ",", "1000000000000000"},
        {123456789012345678.0, ",", "123456789012346000"},
        {1e20, ",", "100000000000000000000"},
        {1.5, kArabicSeparator.c_str(), "1" + kArabicSeparator + "5"},
        {1.5, "", "1.5"},
        {kNaN, ",", "NaN"},
        {kInf, ",", "Inf"},
        {-kInf, ",", "-Inf"},
    };
    for (const WriteCase& c : cases)
        EXPECT_EQ(NumberToText(c.value, c.separator), c.expected) << c.value;
}

// Whatever is written reads back, and writing that again gives the same text: a countdown or a
// memory figure that goes through text on every tick never drifts or gets stuck.
TEST(NumberToText, ReadsBackToTheSameText) {
    // The very largest doubles round up past the largest double at 15 digits; 1e308 is near.
    const double values[] = {1e308,
                             -1e308,
                             std::numeric_limits<double>::min(),
                             1e-300,
                             123.456,
                             1e15 - 1,
                             4095000 / 1024.0,
                             -1};
    for (const char* separator : {",", "."}) {
        for (double value : values) {
            const std::string text = NumberToText(value, separator);
            const auto back = NumberFromText(text, separator);
            ASSERT_TRUE(back.has_value()) << text;
            EXPECT_EQ(NumberToText(*back, separator), text);
            EXPECT_NEAR(*back / value, 1.0, 1e-14) << text;
        }
    }
}

TEST(RoundToInt32, RoundsTiesToEvenAndRefusesWhatDoesNotFit) {
    const struct {
        double value;
        std::optional<std::int32_t> expected;
    } cases[] = {
        {2.5, 2},
        {3.5, 4},
        {12.5, 12},
        {-2.5, -2},
        {-3.5, -4},
        {-0.5, 0},
        {0.49999999999999994, 0},
        {1.4, 1},
        {1.6, 2},
        {2147483647.0, 2147483647},
        {2147483647.4, 2147483647},
        {2147483647.5, std::nullopt},
        {-2147483648.0, -2147483647 - 1},
        {-2147483648.5, -2147483647 - 1},  // the tie goes to the even bound
        {-2147483649.0, std::nullopt},
        {1e300, std::nullopt},
        {kInf, std::nullopt},
        {-kInf, std::nullopt},
        {kNaN, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(RoundToInt32(c.value), c.expected) << c.value;
}

}  // namespace
}  // namespace velkor
