#pragma once

#include <cstdint>

namespace numbers {

// |value| as an unsigned 32-bit number; |-2147483648| = 2147483648 fits.
inline std::uint32_t magnitude(std::int32_t value)
{
    return value < 0 ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
}

} // namespace numbers
