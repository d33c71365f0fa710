#include "ReferenceCores.h"

#include <algorithm>
#include <numeric>

std::vector<std::int32_t> ReferenceCores::factorList(std::int32_t n)
{
    std::vector<std::int32_t> factors;
    while (n > 1) {
        for (std::int32_t d = 2; d <= n; ++d) {
            if (n % d == 0) {
                factors.push_back(d);
                n /= d;
                break;
            }
        }
    }
    return factors;
}

ReferenceCores::Ladder ReferenceCores::ladder(const std::vector<std::int32_t> &values)
{
    Ladder ladder;
    for (const std::int32_t v : values)
        ladder.remaining.push_back(static_cast<std::uint32_t>(std::abs(static_cast<std::int64_t>(v))));
    std::vector<std::uint32_t> &numbers = ladder.remaining;

    bool madeRung = true;
    while (madeRung) {
        madeRung = false;
        const std::uint64_t maximum = *std::max_element(numbers.begin(), numbers.end());
        for (std::uint64_t d = 2; d <= maximum; ++d) {
            int divisible = 0;
            bool sharesWithOthers = false;
            for (const std::uint32_t n : numbers) {
                if (n % d == 0)
                    ++divisible;
                else if (std::gcd<std::uint64_t, std::uint64_t>(n, d) != 1)
                    sharesWithOthers = true;
            }
            if (divisible < 2 || sharesWithOthers)
                continue;
            ladder.before.push_back(numbers);
            for (std::uint32_t &n : numbers)
                if (n % d == 0)
                    n = static_cast<std::uint32_t>(n / d);
            ladder.rungs.push_back(static_cast<std::uint32_t>(d));
            madeRung = true;
        }
    }
    return ladder;
}

std::vector<std::int32_t> ReferenceCores::primes(std::int32_t a, std::int32_t b)
{
    std::vector<std::int32_t> found;
    for (std::int32_t x = std::min(a, b); x <= std::max(a, b); ++x) {
        std::int32_t d = 2;
        while (d < x && x % d != 0)
            ++d;
        if (x >= 2 && d == x)
            found.push_back(x);
    }
    return found;
}
