#pragma once
// Numbers held as text: strict reading and general-form writing with the user's decimal
// separator. Both run on every display and trigger tick, so they throw nothing and allocate
// only for results longer than a short string holds.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velkor {

// Reads `text` as a decimal number: blanks (space, tab), an optional "+" or "-", digits with at
// most one `decimalSeparator` and at least one digit ("5", ",5" and "5," are numbers), then
// blanks again. Anything else is not a number: empty or blank text, letters, exponents, a
// thousands separator, the other locale's separator, a blank between sign and digits. A value
// too large for a double is not a number; one too small to hold reads as zero. An empty
// separator counts as ".".
std::optional<double> NumberFromText(std::string_view text, std::string_view decimalSeparator);

// Writes `value` in general form: up to 15 significant digits, no thousands separator, no
// trailing zeros, `decimalSeparator` before a fraction (976.5625 -> "976,5625" with ",").
// Always positional, never with an exponent (1e20 -> "100000000000000000000"), so that
// NumberFromText reads back whatever this writes (except for the last sliver below the largest
// double, which 15 digits round up past it). Zero is "0" whatever its sign. Values that
// are no numbers at all give "NaN", "Inf" and "-Inf", which NumberFromText refuses.
std::string NumberToText(double value, std::string_view decimalSeparator);

// Rounds to the nearest integer, ties to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). Nothing for NaN
// and for results outside the 32-bit range, so a caller never acts on a clamped value.
std::optional<std::int32_t> RoundToInt32(double value);

}  // namespace velkor
