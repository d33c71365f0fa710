#include "Utf8Text.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <iterator>

namespace numbers {
namespace {

constexpr char32_t Replacement = 0xFFFD;

struct Range {
    char32_t first;
    char32_t last;
};

// The control (Cc) and format (Cf) characters of Unicode 15, ascending.
constexpr std::array<Range, 23> InvisibleRanges{{
    {0x0000, 0x001F}, {0x007F, 0x009F}, {0x00AD, 0x00AD}, {0x0600, 0x0605}, {0x061C, 0x061C},
    {0x06DD, 0x06DD}, {0x070F, 0x070F}, {0x0890, 0x0891}, {0x08E2, 0x08E2}, {0x180E, 0x180E},
    {0x200B, 0x200F}, {0x202A, 0x202E}, {0x2060, 0x2064}, {0x2066, 0x206F}, {0xFEFF, 0xFEFF},
    {0xFFF9, 0xFFFB}, {0x110BD, 0x110BD}, {0x110CD, 0x110CD}, {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3},
    {0x1D173, 0x1D17A}, {0xE0001, 0xE0001}, {0xE0020, 0xE007F},
}};

void appendUtf8(std::string &out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

} // namespace

Utf8Text::Character Utf8Text::at(std::string_view text, std::size_t at)
{
    if (at >= text.size())
        return {};
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return {lead, 1, true};

    // The allowed range of the second byte keeps out overlong forms, surrogates and values above U+10FFFF.
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    char32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0Fu;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07u;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return {Replacement, 1, false};
    }
    if (text.size() - at < length || byte(1) < low || byte(1) > high)
        return {Replacement, 1, false};
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return {Replacement, 1, false};
        code = (code << 6) | (byte(i) & 0x3Fu);
    }
    return {code, length, true};
}

bool Utf8Text::isInvisible(char32_t code)
{
    const auto after = std::upper_bound(InvisibleRanges.begin(), InvisibleRanges.end(), code,
                                        [](char32_t c, const Range &r) { return c < r.first; });
    return after != InvisibleRanges.begin() && code <= std::prev(after)->last;
}

std::string Utf8Text::shownShortened(std::string_view text, std::size_t maxCharacters)
{
    std::string shown;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++characters) {
        const Character c = at(text, i);
        if (characters == maxCharacters)
            return shown + "...";
        if (c.wellFormed && isInvisible(c.code)) {
            char code[16];
            std::snprintf(code, sizeof code, "<U+%04X>", static_cast<unsigned>(c.code));
            shown += code;
        } else if (c.wellFormed) {
            shown.append(text.substr(i, c.length));
        } else {
            appendUtf8(shown, Replacement);
        }
        i += c.length;
    }
    return shown;
}

} // namespace numbers
