#include "LcmLadder.h"

#include "FactorText.h"
#include "Hcf.h"
#include "Magnitude.h"
#include "PrimeTable.h"

#include <algorithm>
#include <limits>

namespace numbers {
namespace {

// Appends every divisor of n above 1, given n's prime factors in ascending order.
void appendDivisors(std::uint32_t n, std::vector<std::uint32_t> &out)
{
    const std::vector<std::uint32_t> primes = PrimeTable::instance().factors(n);
    std::vector<std::uint32_t> divisors{1};
    std::size_t i = 0;
    while (i < primes.size()) {
        const std::uint32_t p = primes[i];
        std::size_t power = 0;
        while (i < primes.size() && primes[i] == p) {
            ++power;
            ++i;
        }
        const std::size_t before = divisors.size();
        for (std::size_t k = 0; k < before; ++k) {
            std::uint32_t d = divisors[k];
            for (std::size_t e = 0; e < power; ++e) {
                d *= p;
                divisors.push_back(d);
            }
        }
    }
    out.insert(out.end(), divisors.begin() + 1, divisors.end());
}

// Every d >= 2 that divides at least two of the numbers, ascending. Only these
// can make a rung in a pass that starts from these numbers: the numbers only
// shrink to their own divisors while the pass runs.
std::vector<std::uint32_t> candidatesOf(const std::vector<std::uint32_t> &numbers)
{
    std::vector<std::uint32_t> sharedParts;
    for (std::size_t i = 0; i < numbers.size(); ++i)
        for (std::size_t j = i + 1; j < numbers.size(); ++j) {
            const std::uint32_t g = Hcf::gcd(numbers[i], numbers[j]);
            if (g > 1)
                sharedParts.push_back(g);
        }
    std::sort(sharedParts.begin(), sharedParts.end());
    sharedParts.erase(std::unique(sharedParts.begin(), sharedParts.end()), sharedParts.end());

    std::vector<std::uint32_t> candidates;
    for (const std::uint32_t g : sharedParts)
        appendDivisors(g, candidates);
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
    return candidates;
}

// A rung divides at least two numbers and shares no factor with the others.
bool makesRung(std::uint32_t d, const std::vector<std::uint32_t> &numbers)
{
    int divisible = 0;
    for (const std::uint32_t n : numbers) {
        if (n % d == 0)
            ++divisible;
        else if (Hcf::gcd(d, n) != 1)
            return false;
    }
    return divisible >= 2;
}

// value * factor, or false when the product leaves the 64-bit signed range.
bool multiplyInto(std::int64_t &value, std::uint32_t factor)
{
    std::int64_t product = 0;
    if (__builtin_mul_overflow(value, static_cast<std::int64_t>(factor), &product))
        return false;
    value = product;
    return true;
}

} // namespace

std::string LcmResult::shownFactors() const
{
    return FactorText::shown(LcmFactors);
}

LcmResult LcmLadder::of(std::span<const std::int32_t> values)
{
    LcmResult result;
    if (values.empty()) {
        result.status = Status::refused("Enter at least one number.");
        return result;
    }
    std::vector<std::uint32_t> numbers;
    numbers.reserve(values.size());
    for (const std::int32_t value : values)
        numbers.push_back(magnitude(value));

    if (std::find(numbers.begin(), numbers.end(), 0u) != numbers.end()) {
        result.LcmValue = 0;
        FactorText::appendPiece(result.LcmFactors, 0);
        result.remaining = std::move(numbers);
        return result;
    }

    bool madeRung = true;
    while (madeRung) {
        madeRung = false;
        for (const std::uint32_t d : candidatesOf(numbers)) {
            if (!makesRung(d, numbers))
                continue;
            for (std::uint32_t &n : numbers)
                if (n % d == 0)
                    n /= d;
            result.rungs.push_back(d);
            madeRung = true;
        }
    }

    result.remaining = std::move(numbers);
    result.LcmValue = 1;
    bool fits = true;
    for (const std::uint32_t rung : result.rungs) {
        FactorText::appendPiece(result.LcmFactors, rung);
        fits = fits && multiplyInto(result.LcmValue, rung);
    }
    for (const std::uint32_t n : result.remaining) {
        fits = fits && multiplyInto(result.LcmValue, n);
        if (n > 1)
            FactorText::appendPiece(result.LcmFactors, n);
    }
    if (!fits) {
        result.status = Status::refused("The LCM is too large to show (over 9223372036854775807).");
        result.LcmValue = 0;
        result.LcmFactors.clear();
    }
    return result;
}

} // namespace numbers
