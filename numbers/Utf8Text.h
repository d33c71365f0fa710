#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace numbers {

// Walking UTF-8 text one character (code point) at a time, safely: a byte that
// does not start a well-formed sequence counts as one character of its own.
namespace Utf8Text {

struct Character {
    char32_t code = 0;      // the code point; U+FFFD for a malformed byte
    std::size_t length = 0; // bytes taken, 1 to 4; 0 only at the end of the text
    bool wellFormed = false;
};

// The character that starts at byte at (nothing when at is the end).
// Overlong forms, surrogates and values above U+10FFFF are malformed.
Character at(std::string_view text, std::size_t at);

// The length in bytes of the character at byte at, quick for ASCII; 0 at the end.
inline std::size_t lengthAt(std::string_view text, std::size_t at)
{
    if (at < text.size() && static_cast<unsigned char>(text[at]) < 0x80)
        return 1;
    return Utf8Text::at(text, at).length;
}

// True for the characters that cannot be seen: control (Cc) and format (Cf) characters.
bool isInvisible(char32_t code);

// The text for a message: its first maxCharacters characters, then "..." when
// it has more; an invisible character written as <U+XXXX>, a malformed byte as U+FFFD.
std::string shownShortened(std::string_view text, std::size_t maxCharacters);

} // namespace Utf8Text

} // namespace numbers
