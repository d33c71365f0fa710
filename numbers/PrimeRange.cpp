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

PrimeRange::Bounds PrimeRange::ordered(std::int32_t a, std::int32_t b)
{
    return {std::clamp(std::min(a, b), MinBound, MaxBound), std::clamp(std::max(a, b), MinBound, MaxBound)};
}

bool PrimeRange::isShownStepByStep(Bounds range)
{
    return range.end - range.start + 1 <= MaxShownRange;
}

std::vector<std::int32_t> PrimeRange::primesBetween(std::int32_t a, std::int32_t b)
{
    const auto [start, end] = ordered(a, b);

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

} // namespace numbers
