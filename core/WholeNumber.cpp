#include "core/WholeNumber.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace dravino {

double roundHalfEven(double x)
{
    if (!std::isfinite(x))
        return x;
    const double floor = std::floor(x);
    const double diff = x - floor;
    if (diff > 0.5)
        return floor + 1.0;
    if (diff < 0.5)
        return floor;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

template <typename T>
NumberResult<T> toWhole(std::string_view text, char sep)
{
    const auto parsed = parseDecimal(text, sep);
    if (!parsed)
        return {T{}, NumberError::NotANumber};
    const double r = roundHalfEven(*parsed);
    if (!std::isfinite(r) || r < double(std::numeric_limits<T>::min())
        || r > double(std::numeric_limits<T>::max()))
        return {T{}, NumberError::Overflow};
    return {static_cast<T>(r), NumberError::None};
}

} // namespace

std::optional<double> parseDecimal(std::string_view text, char sep)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Digits are accumulated as text and converted once, so that very long
    // numbers end as an overflow rather than wrapping.
    std::string digits;
    std::size_t intDigits = 0;
    while (i < n && isDigit(text[i])) {
        digits += text[i++];
        ++intDigits;
    }
    std::size_t fracDigits = 0;
    if (i < n && text[i] == sep) {
        ++i;
        digits += '.';
        while (i < n && isDigit(text[i])) {
            digits += text[i++];
            ++fracDigits;
        }
    }
    while (i < n && isBlank(text[i]))
        ++i;
    if (i != n || intDigits + fracDigits == 0)
        return std::nullopt;
    if (intDigits > 300)
        return negative ? -HUGE_VAL : HUGE_VAL;
    // from_chars reads the digits the same on every desktop: the C
    // library's strtod would follow LC_NUMERIC, which an Italian desktop
    // sets to a comma.
    const std::string plain = digits.front() == '.' ? "0" + digits : digits;
    double value = 0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec == std::errc::result_out_of_range)
        value = HUGE_VAL; // only huge values get here: intDigits caps the rest
    else if (ec != std::errc() || end != plain.data() + plain.size())
        return std::nullopt;
    return negative ? -value : value;
}

NumberResult<std::int16_t> toInt16(std::string_view text, char sep)
{
    return toWhole<std::int16_t>(text, sep);
}

NumberResult<std::int32_t> toInt32(std::string_view text, char sep)
{
    return toWhole<std::int32_t>(text, sep);
}

NumberResult<float> toSingle(std::string_view text, char sep)
{
    const auto parsed = parseDecimal(text, sep);
    if (!parsed)
        return {0.0f, NumberError::NotANumber};
    if (std::fabs(*parsed) > double(std::numeric_limits<float>::max()))
        return {0.0f, NumberError::Overflow};
    return {static_cast<float>(*parsed), NumberError::None};
}

std::string singleToText(float value, char sep)
{
    // Like printf's %.7g, which drops trailing zeros, but never through the
    // C library's locale.
    std::string s = formatNumber(value, std::chars_format::general, 7, sep);
    if (s == "-0")
        s = "0";
    return s;
}

std::string formatNumber(double value, std::chars_format format, int precision, char decimalSeparator)
{
    char buf[400]; // a fixed double needs up to 309 digits before the point
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, format, precision);
    std::string s = ec == std::errc() ? std::string(buf, end) : std::string("0");
    for (char &c : s)
        if (c == '.')
            c = decimalSeparator;
    return s;
}

} // namespace dravino
