#include "PrimeRange.h"

#include "NumericText.h"

#include <algorithm>
#include <cmath>

namespace numbers {
namespace {

// An upper bound of the number of primes up to n (Rosser and Schoenfeld).
std::size_t primeCountBound(std::int32_t n)
{
    if (n < 17)
        return 6;
    const double x = n;
    return static_cast<std::size_t>(1.25506 * x / std::log(x)) + 1;
}

} // namespace

BoundReading PrimeRange::readBound(std::string_view text, int boxNumber)
{
    const std::optional<double> value = NumericText::value(NumericText::cleaned(text));
    if (!value || !(*value >= MinBound) || !(*value < MaxBound))
        return {Status::refusedBound(boxNumber), 0};
    return {Status::ok(), *NumericText::toInt32(*value)};
}

std::vector<std::int32_t> PrimeRange::primesBetween(std::int32_t a, std::int32_t b)
{
    const std::int32_t start = std::clamp(std::min(a, b), MinBound, MaxBound);
    const std::int32_t end = std::clamp(std::max(a, b), MinBound, MaxBound);

    std::vector<std::int32_t> primes;
    primes.reserve(primeCountBound(end));
    if (start <= 2 && end >= 2)
        primes.push_back(2);

    // Odd numbers only: slot k stands for 2k + 1.
    const std::size_t slots = static_cast<std::size_t>(end) / 2 + 1;
    std::vector<char> composite(slots, 0);
    for (std::size_t k = 1; (2 * k + 1) * (2 * k + 1) <= static_cast<std::size_t>(end); ++k) {
        if (composite[k])
            continue;
        const std::size_t p = 2 * k + 1;
        for (std::size_t m = (p * p) / 2; m < slots; m += p)
            composite[m] = 1;
    }
    for (std::size_t k = static_cast<std::size_t>(std::max(start, 3)) / 2; k < slots; ++k) {
        const auto candidate = static_cast<std::int32_t>(2 * k + 1);
        if (candidate > end)
            break;
        if (candidate >= start && !composite[k])
            primes.push_back(candidate);
    }
    return primes;
}

Sieve PrimeRange::sieveOf(std::int32_t start, std::int32_t end)
{
    Sieve sieve;
    sieve.crossesOne = start <= 1;
    // The primes up to the square root r of end, and the one after them, which
    // lies below 2r + 2 (Bertrand's postulate).
    const auto root = static_cast<std::int32_t>(std::sqrt(static_cast<double>(end)));
    const std::vector<std::int32_t> small = primesBetween(2, 2 * root + 2);
    for (const std::int32_t p : small) {
        if (static_cast<std::int64_t>(p) * p > end) {
            sieve.stopPrime = p;
            break;
        }
        sieve.steps.push_back({p, {}});
    }
    // Each number of the range above 1 is crossed out by its smallest prime
    // factor, when that is below its square root, that is, when it is not prime.
    for (std::int32_t n = std::max(start, 2); n <= end; ++n) {
        for (SieveStep &step : sieve.steps) {
            if (n % step.prime == 0) {
                if (n != step.prime)
                    step.crossed.push_back(n);
                break;
            }
        }
    }
    return sieve;
}

} // namespace numbers
