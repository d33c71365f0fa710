#include "FactorText.h"

namespace numbers {

void FactorText::appendPiece(std::string &text, std::int64_t value)
{
    text += " x ";
    text += std::to_string(value);
}

std::string FactorText::joined(std::span<const std::int32_t> factors)
{
    std::string text;
    for (const std::int32_t factor : factors)
        appendPiece(text, factor);
    return text;
}

std::string FactorText::shown(const std::string &joined)
{
    return joined.empty() ? std::string("1") : joined.substr(2);
}

} // namespace numbers
