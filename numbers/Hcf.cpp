#include "Hcf.h"

#include "Magnitude.h"

#include <bit>
#include <utility>

namespace numbers {

std::uint32_t Hcf::gcd(std::uint32_t a, std::uint32_t b)
{
    // Binary method: shifts and subtractions instead of divisions.
    if (a == 0)
        return b;
    if (b == 0)
        return a;
    const int shift = std::countr_zero(a | b);
    a >>= std::countr_zero(a);
    do {
        b >>= std::countr_zero(b);
        if (a > b)
            std::swap(a, b);
        b -= a;
    } while (b != 0);
    return a << shift;
}

HcfResult Hcf::of(std::span<const std::int32_t> values)
{
    if (values.size() < 2)
        return {Status::refused(Refusal::HcfNeedsTwo), {}, 0, {}};
    HcfResult result{Status::ok(), {values.begin(), values.end()}, 0, {}};
    std::uint32_t h = magnitude(values[0]);
    for (std::size_t j = 1; j < values.size(); ++j) {
        const std::uint32_t x = magnitude(values[j]);
        const std::uint32_t g = gcd(h, x);
        result.steps.push_back({h, x, g});
        h = g;
        if (h == 1)
            break;
    }
    result.value = h;
    return result;
}

} // namespace numbers
