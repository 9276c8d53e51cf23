#pragma once
// Whole numbers held as text: the rules every field of the program shares.
// Text converts like a typed number (blanks around, a sign, an optional
// fraction after the decimal separator); fractions round to the nearest whole
// number, halves to the even neighbour; the result must fit its width.

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dravino {

enum class NumberError {
    None,
    NotANumber, // empty text, letters, a lone sign...
    Overflow,   // a number beyond the width asked for
};

template <typename T>
struct NumberResult {
    T value{};
    NumberError error = NumberError::None;
    bool ok() const { return error == NumberError::None; }
    T valueOr(T fallback) const { return ok() ? value : fallback; }
};

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double x);

// Parses a decimal number: optional blanks, sign, digits, optional fraction.
std::optional<double> parseDecimal(std::string_view text, char decimalSeparator = '.');

NumberResult<std::int16_t> toInt16(std::string_view text, char decimalSeparator = '.');
NumberResult<std::int32_t> toInt32(std::string_view text, char decimalSeparator = '.');
NumberResult<float> toSingle(std::string_view text, char decimalSeparator = '.');

// A single-precision value as text: up to seven significant digits, no
// trailing zeros, the given decimal separator (0.5 -> "0,5", 102.3 -> "102,3").
std::string singleToText(float value, char decimalSeparator = '.');

// printf-style formatting (%.*g for general, %.*f for fixed) that never
// reads the C library's locale; the point becomes decimalSeparator.
std::string formatNumber(double value, std::chars_format format, int precision,
                         char decimalSeparator = '.');

} // namespace dravino
