#include "Hcf.h"

#include "Magnitude.h"

namespace numbers {

std::uint32_t Hcf::gcd(std::uint32_t a, std::uint32_t b)
{
    while (b != 0) {
        const std::uint32_t remainder = a % b;
        a = b;
        b = remainder;
    }
    return a;
}

HcfResult Hcf::of(std::span<const std::int32_t> values)
{
    if (values.size() < 2)
        return {Status::refused("You must have two numbers to Find HCF."), 0};
    std::uint32_t h = magnitude(values[0]);
    for (std::size_t j = 1; j < values.size(); ++j) {
        h = gcd(h, magnitude(values[j]));
        if (h == 1)
            break;
    }
    return {Status::ok(), h};
}

} // namespace numbers
