#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace numbers {

// The " x "-joined texts of factor lists and LCM ladders.
class FactorText {
public:
    // Appends " x " and the decimal text of value to text.
    static void appendPiece(std::string &text, std::int64_t value);
    // " x a x b ..." for the given factors; the empty text for none.
    static std::string joined(std::span<const std::int32_t> factors);
    // The text shown for a joined text: it less its first two characters
    // (so it starts with one blank), or "1" when it is empty.
    static std::string shown(const std::string &joined);
};

} // namespace numbers
