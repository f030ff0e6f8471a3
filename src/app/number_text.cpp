#include "app/number_text.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace velkor {
namespace {

constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }
constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Converts the checked parts of a number; from_chars wants "." and no "+".
std::optional<double> Convert(bool negative, std::string_view whole, std::string_view fraction) {
    while (whole.size() > 1 && whole.front() == '0') whole.remove_prefix(1);
    const std::size_t length = 1 + whole.size() + 1 + fraction.size();
    char small[64];
    std::string large;  // only for absurdly long texts
    char* buffer = small;
    if (length > sizeof small) {
        large.resize(length);
        buffer = large.data();
    }
    char* out = buffer;
    if (negative) *out++ = '-';
    for (char c : whole) *out++ = c;
    if (whole.empty()) *out++ = '0';
    if (!fraction.empty()) {
        *out++ = '.';
        for (char c : fraction) *out++ = c;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(buffer, out, value, std::chars_format::fixed);
    if (error == std::errc() && end == out) return value;
    if (error != std::errc::result_out_of_range) return std::nullopt;
    // Out of range with a whole part of 1 or more is too large; otherwise too small to hold.
    if (whole.find_first_not_of('0') != std::string_view::npos) return std::nullopt;
    return negative ? -0.0 : 0.0;
}

}  // namespace

std::optional<double> NumberFromText(std::string_view text, std::string_view decimalSeparator) {
    if (decimalSeparator.empty()) decimalSeparator = ".";
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    const std::string_view body = text.substr(begin, end - begin);

    std::size_t pos = 0;
    bool negative = false;
    if (pos < body.size() && (body[pos] == '+' || body[pos] == '-')) negative = body[pos++] == '-';
    const std::size_t wholeBegin = pos;
    while (pos < body.size() && IsDigit(body[pos])) ++pos;
    const std::string_view whole = body.substr(wholeBegin, pos - wholeBegin);
    std::string_view fraction;
    if (body.substr(pos, decimalSeparator.size()) == decimalSeparator) {
        pos += decimalSeparator.size();
        const std::size_t fractionBegin = pos;
        while (pos < body.size() && IsDigit(body[pos])) ++pos;
        fraction = body.substr(fractionBegin, pos - fractionBegin);
    }
    if (pos != body.size() || (whole.empty() && fraction.empty())) return std::nullopt;
    return Convert(negative, whole, fraction);
}

std::string NumberToText(double value, std::string_view decimalSeparator) {
    if (decimalSeparator.empty()) decimalSeparator = ".";
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Inf" : "Inf";
    if (value == 0) return "0";

    // 15 significant digits, correctly rounded: "-d.ddddddddddddddde+XXX".
    char scientific[32];
    const auto written = std::to_chars(scientific, scientific + sizeof scientific, value,
                                       std::chars_format::scientific, 14);
    const std::string_view form(scientific, static_cast<std::size_t>(written.ptr - scientific));
    const bool negative = form.front() == '-';
    const std::size_t e = form.find('e');
    char digits[15];
    std::size_t digitCount = 0;
    for (char c : form.substr(0, e))
        if (IsDigit(c) && digitCount < sizeof digits) digits[digitCount++] = c;
    while (digitCount > 1 && digits[digitCount - 1] == '0') --digitCount;
    int exponent = 0;
    for (char c : form.substr(e + 2)) exponent = exponent * 10 + (c - '0');
    if (form[e + 1] == '-') exponent = -exponent;

    std::string text;
    if (exponent >= 0) {
        const std::size_t wholeCount = static_cast<std::size_t>(exponent) + 1;
        const std::size_t fractionCount = digitCount > wholeCount ? digitCount - wholeCount : 0;
        text.reserve(negative + wholeCount +
                     (fractionCount ? decimalSeparator.size() + fractionCount : 0));
        if (negative) text += '-';
        for (std::size_t i = 0; i < wholeCount; ++i) text += i < digitCount ? digits[i] : '0';
        if (fractionCount) {
            text += decimalSeparator;
            text.append(digits + wholeCount, fractionCount);
        }
    } else {
        const std::size_t zeroCount = static_cast<std::size_t>(-exponent) - 1;
        text.reserve(negative + 1 + decimalSeparator.size() + zeroCount + digitCount);
        if (negative) text += '-';
        text += '0';
        text += decimalSeparator;
        text.append(zeroCount, '0');
        text.append(digits, digitCount);
    }
    return text;
}

std::optional<std::int32_t> RoundToInt32(double value) {
    if (std::isnan(value)) return std::nullopt;
    // nearbyint rounds in the current mode, which the program leaves at nearest-even.
    const double rounded = std::nearbyint(value);
    if (rounded < -2147483648.0 || rounded > 2147483647.0) return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

}  // namespace velkor
