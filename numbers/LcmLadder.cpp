#include "LcmLadder.h"

#include "FactorText.h"
#include "Hcf.h"
#include "Magnitude.h"
#include "PrimeTable.h"

#include <algorithm>

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
            result.rows.push_back(numbers);
            for (std::uint32_t &n : numbers)
                if (n % d == 0)
                    n /= d;
            result.rungs.push_back(d);
            madeRung = true;
        }
    }

    result.remaining = std::move(numbers);
    result.LcmValue = 1;
    for (const std::uint32_t rung : result.rungs) {
        FactorText::appendPiece(result.LcmFactors, rung);
        result.LcmValue *= rung;
    }
    for (const std::uint32_t n : result.remaining) {
        result.LcmValue *= n;
        if (n > 1)
            FactorText::appendPiece(result.LcmFactors, n);
    }
    return result;
}

} // namespace numbers
