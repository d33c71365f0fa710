#include "PrimeTable.h"

#include <bit>
#include <limits>

namespace numbers {
namespace {

// 65536^2 = 2^32, so every composite 32-bit value has a prime factor below 65536.
constexpr std::uint32_t Largest = 65535;

std::uint32_t inverseModTwoTo32(std::uint32_t odd)
{
    std::uint32_t inverse = odd; // correct to 3 bits; each Newton step doubles them
    for (int step = 0; step < 4; ++step)
        inverse *= 2u - odd * inverse;
    return inverse;
}

} // namespace

PrimeTable::PrimeTable()
{
    std::vector<bool> composite(Largest + 1, false);
    for (std::uint32_t p = 3; p <= Largest; p += 2) {
        if (composite[p])
            continue;
        oddPrimes_.push_back({p, inverseModTwoTo32(p), std::numeric_limits<std::uint32_t>::max() / p});
        for (std::uint32_t multiple = p * p; multiple <= Largest; multiple += 2 * p)
            composite[multiple] = true;
    }
}

const PrimeTable &PrimeTable::instance()
{
    static const PrimeTable table;
    return table;
}

std::vector<std::uint32_t> PrimeTable::factors(std::uint32_t n) const
{
    std::vector<std::uint32_t> found;
    if (n < 2)
        return found;
    const int twos = std::countr_zero(n);
    found.assign(static_cast<std::size_t>(twos), 2u);
    n >>= twos;
    for (const OddPrime &p : oddPrimes_) {
        if (static_cast<std::uint64_t>(p.prime) * p.prime > n)
            break;
        while (n * p.inverse <= p.limit) {
            found.push_back(p.prime);
            n *= p.inverse; // the exact quotient, since prime divides n
        }
    }
    if (n > 1)
        found.push_back(n);
    return found;
}

} // namespace numbers
