#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace numbers {

// The numeric test and the conversion to a 32-bit whole number shared by the
// numbers box and the prime bound boxes.
//
// Numeric text: optional separators around (see isSeparator); then either an optional sign,
// decimal digits with an optional '.' and fraction (at least one digit in all)
// and an optional exponent ("e" or "E", optional sign, digits), or "&H" with
// hexadecimal digits, or "&O" with octal digits (prefix letters in either case,
// no sign). Nothing else: no currency signs, digit grouping or parentheses.
namespace NumericText {

// The characters that separate numbers and may surround one: any Unicode
// white space (blank, tab, line feed, carriage return, vertical tab, form
// feed, U+0085, no-break space, the other space characters, the line and
// paragraph separators, the ideographic space).
bool isSeparator(char32_t code);
// The length in bytes of the separator that starts at byte at of UTF-8 text; 0 when none does.
std::size_t separatorAt(std::string_view text, std::size_t at);
// text without the separators around it.
std::string_view trimmed(std::string_view text);

// text as it is read: the characters a user cannot see inside a number
// (zero-width space U+200B, byte-order mark U+FEFF, word joiner U+2060, soft
// hyphen U+00AD) left out, and the digits and signs of other scripts folded
// to ASCII, one character for one: the full-width forms U+FF01..U+FF5E, the
// Arabic-Indic, extended Arabic-Indic, Devanagari and Bengali digits, the minus sign
// U+2212 and the Arabic decimal separator U+066B. Everything else is kept as
// it is, malformed bytes included.
std::string cleaned(std::string_view text);

// The value of a numeric text, or nothing when the text is not numeric.
// Any length is accepted; values too large for a double come back as infinity.
std::optional<double> value(std::string_view text);

// Rounds to the nearest whole number, an exact half to the even neighbour
// (2.5 -> 2, 3.5 -> 4, -2.5 -> -2); nothing when the result lies outside
// -2147483648..2147483647 or the value is not finite.
std::optional<std::int32_t> toInt32(double value);

} // namespace NumericText
} // namespace numbers
