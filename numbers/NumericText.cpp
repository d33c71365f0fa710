#include "NumericText.h"

#include "Utf8Text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace numbers {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }


int digitValue(char c)
{
    if (isDigit(c))
        return c - '0';
    const char lower = static_cast<char>(c | 0x20);
    if (lower >= 'a' && lower <= 'f')
        return lower - 'a' + 10;
    return 99;
}

// "&H1F" / "&O17" after the prefix: the digits alone. Exact up to 2^53, which
// is far beyond the 32-bit range; larger values only need to stay large.
std::optional<double> prefixedValue(std::string_view digits, int base)
{
    if (digits.empty())
        return std::nullopt;
    double value = 0;
    for (const char c : digits) {
        const int digit = digitValue(c);
        if (digit >= base)
            return std::nullopt;
        value = value * base + digit;
    }
    return value;
}

// Decimal: [sign] digits [. digits] [e [sign] digits], at least one mantissa digit.
std::optional<double> decimalValue(std::string_view text)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t mantissaStart = i;

    // Decimal exponent of the leading significant digit, to tell a huge value
    // from a tiny one when the double range is left.
    long long leadingExponent = 0;
    bool seenSignificant = false;
    long long digitsBeforePoint = 0;
    while (i < n && isDigit(text[i])) {
        if (!seenSignificant && text[i] != '0') {
            seenSignificant = true;
            leadingExponent = -digitsBeforePoint;
        }
        ++digitsBeforePoint;
        ++i;
    }
    if (seenSignificant)
        leadingExponent += digitsBeforePoint - 1;
    long long digitsAfterPoint = 0;
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && isDigit(text[i])) {
            ++digitsAfterPoint;
            if (!seenSignificant && text[i] != '0') {
                seenSignificant = true;
                leadingExponent = -digitsAfterPoint;
            }
            ++i;
        }
    }
    if (digitsBeforePoint + digitsAfterPoint == 0)
        return std::nullopt;

    long long exponent = 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        const std::size_t exponentStart = i;
        while (i < n && isDigit(text[i])) {
            if (exponent < 1'000'000'000)
                exponent = exponent * 10 + (text[i] - '0');
            ++i;
        }
        if (i == exponentStart)
            return std::nullopt;
        if (negativeExponent)
            exponent = -exponent;
    }
    if (i != n)
        return std::nullopt;

    const double sign = negative ? -1.0 : 1.0;
    if (!seenSignificant)
        return sign * 0.0;
    const long long decade = leadingExponent + exponent;
    if (decade > 400)
        return sign * std::numeric_limits<double>::infinity();
    if (decade < -400)
        return sign * 0.0;

    double magnitude = 0;
    const auto [end, error] = std::from_chars(text.data() + mantissaStart, text.data() + n, magnitude);
    if (error == std::errc::result_out_of_range)
        return sign * (decade > 0 ? std::numeric_limits<double>::infinity() : 0.0);
    if (error != std::errc() || end != text.data() + n)
        return std::nullopt; // cannot happen after the grammar check above
    return sign * magnitude;
}

// Characters that cannot be seen inside a number; a user who sees "1218" means one number.
bool isIgnored(char32_t code)
{
    return code == 0x200B || code == 0xFEFF || code == 0x2060 || code == 0x00AD;
}

// The ASCII character that code stands for in a number, or 0 when none.
char foldedToAscii(char32_t code)
{
    if (code >= 0xFF01 && code <= 0xFF5E) // full-width forms, as Unicode's compatibility mapping
        return static_cast<char>(code - 0xFEE0);
    for (const char32_t zero : {char32_t{0x0660}, char32_t{0x06F0}, char32_t{0x0966}, char32_t{0x09E6}}) {
        if (code >= zero && code <= zero + 9)
            return static_cast<char>('0' + (code - zero));
    }
    if (code == 0x2212) // minus sign
        return '-';
    if (code == 0x066B) // Arabic decimal separator
        return '.';
    return 0;
}

} // namespace

bool NumericText::isSeparator(char32_t code)
{
    switch (code) {
    case 0x0009: case 0x000A: case 0x000B: case 0x000C: case 0x000D: case 0x0020:
    case 0x0085: case 0x00A0: case 0x1680: case 0x2028: case 0x2029: case 0x202F:
    case 0x205F: case 0x3000:
        return true;
    default:
        return code >= 0x2000 && code <= 0x200A;
    }
}

std::string_view NumericText::trimmed(std::string_view text)
{
    std::size_t start = 0;
    while (const std::size_t length = NumericText::separatorAt(text, start))
        start += length;
    std::size_t end = start; // just after the last character that is not a separator
    for (std::size_t i = start; i < text.size();) {
        const std::size_t separator = NumericText::separatorAt(text, i);
        i += separator > 0 ? separator : Utf8Text::lengthAt(text, i);
        if (separator == 0)
            end = i;
    }
    return text.substr(start, end - start);
}

std::size_t NumericText::separatorAt(std::string_view text, std::size_t at)
{
    if (at < text.size() && static_cast<unsigned char>(text[at]) < 0x80)
        return isSeparator(static_cast<unsigned char>(text[at])) ? 1 : 0;
    const Utf8Text::Character c = Utf8Text::at(text, at);
    return c.wellFormed && isSeparator(c.code) ? c.length : 0;
}

std::string NumericText::cleaned(std::string_view text)
{
    std::string kept;
    kept.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Text::Character c = Utf8Text::at(text, i);
        if (!c.wellFormed || c.code < 0x80) {
            kept.append(text.substr(i, c.length));
        } else if (const char ascii = foldedToAscii(c.code)) {
            kept += ascii;
        } else if (!isIgnored(c.code)) {
            kept.append(text.substr(i, c.length));
        }
        i += c.length;
    }
    return kept;
}

std::optional<double> NumericText::value(std::string_view text)
{
    const std::string_view t = trimmed(text);
    if (t.size() >= 2 && t[0] == '&') {
        const char prefix = static_cast<char>(t[1] | 0x20);
        if (prefix == 'h')
            return prefixedValue(t.substr(2), 16);
        if (prefix == 'o')
            return prefixedValue(t.substr(2), 8);
        return std::nullopt;
    }
    return decimalValue(t);
}

std::optional<std::int32_t> NumericText::toInt32(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double below = std::floor(value);
    const double fraction = value - below;
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        rounded = below + 1.0;
    if (rounded < static_cast<double>(INT32_MIN) || rounded > static_cast<double>(INT32_MAX))
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

} // namespace numbers
