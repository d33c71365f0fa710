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

SieveSteps PrimeRange::sieveSteps(std::int32_t a, std::int32_t b)
{
    SieveSteps steps;
    steps.start = std::clamp(std::min(a, b), MinBound, MaxBound);
    steps.end = std::clamp(std::max(a, b), MinBound, MaxBound);
    steps.wide = steps.end - steps.start + 1 > MaxShownRange;
    steps.crossesOutOne = steps.start == 1;
    steps.primes = primesBetween(steps.start, steps.end);

    auto root = static_cast<std::int32_t>(std::sqrt(static_cast<double>(steps.end)));
    while (root * root > steps.end)
        --root;
    while ((root + 1) * (root + 1) <= steps.end)
        ++root;
    // A prime lies between root + 1 and twice that (Bertrand's postulate).
    steps.stopPrime = primesBetween(root + 1, 2 * (root + 1)).front();
    steps.stopSquare = std::int64_t{steps.stopPrime} * steps.stopPrime;
    if (steps.wide)
        return steps;

    // Crossing out by ascending primes from p x p up: a multiple of p below
    // p x p has a smaller prime factor, so what p crosses first has p as its
    // smallest prime factor.
    std::vector<char> crossed(static_cast<std::size_t>(steps.end - steps.start + 1), 0);
    for (const std::int32_t p : primesBetween(1, root)) {
        SieveCrossing crossing{p, {}};
        const std::int32_t firstMultiple = (steps.start + p - 1) / p * p;
        for (std::int32_t m = std::max(p * p, firstMultiple); m <= steps.end; m += p) {
            char &done = crossed[static_cast<std::size_t>(m - steps.start)];
            if (!done)
                crossing.crossed.push_back(m);
            done = 1;
        }
        steps.crossings.push_back(std::move(crossing));
    }
    return steps;
}

} // namespace numbers
