#include "Working.h"

#include "Factorizer.h"
#include "Hcf.h"
#include "LcmLadder.h"
#include "Magnitude.h"
#include "PrimeRange.h"
#include "PrimeTable.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <iterator>
#include <limits>

namespace numbers {

std::vector<PrimePower> primePowers(std::span<const std::uint32_t> factors)
{
    std::vector<PrimePower> powers;
    for (const std::uint32_t p : factors) {
        if (!powers.empty() && powers.back().prime == p)
            ++powers.back().exponent;
        else
            powers.push_back({p, 1});
    }
    return powers;
}

namespace {

// ---- Factors ----------------------------------------------------------------

// The largest divisor a of m with a x a <= m, from m's prime factors
// (ascending, with repetition). The divisors are built prime by prime; one
// above the square root is dropped at once, since multiplying it further only
// makes it larger.
std::uint64_t smallerFactor(const std::vector<std::uint32_t> &factors, std::uint64_t m)
{
    std::vector<std::uint64_t> divisors{1};
    for (const PrimePower &power : primePowers(factors)) {
        const std::size_t count = divisors.size();
        std::uint64_t raised = 1;
        for (int e = 0; e < power.exponent; ++e) {
            raised *= power.prime;
            for (std::size_t j = 0; j < count; ++j)
                if (const std::uint64_t d = divisors[j] * raised; d * d <= m)
                    divisors.push_back(d);
        }
    }
    return *std::max_element(divisors.begin(), divisors.end());
}

// Appends the subtree of m, whose prime factors are given ascending, depth
// first; returns the index of m's node.
int appendSubtree(std::vector<TreeSplit> &tree, std::uint32_t m, const std::vector<std::uint32_t> &factors, int parent)
{
    const int index = static_cast<int>(tree.size());
    tree.push_back({m, parent, -1, -1});
    if (factors.size() < 2)
        return index;

    const std::uint64_t a = smallerFactor(factors, m);
    std::vector<std::uint32_t> aFactors;
    std::uint64_t rest = a;
    for (const std::uint32_t p : factors)
        if (rest % p == 0) {
            aFactors.push_back(p);
            rest /= p;
        }
    std::vector<std::uint32_t> bFactors;
    std::set_difference(factors.begin(), factors.end(), aFactors.begin(), aFactors.end(), std::back_inserter(bFactors));

    const int left = appendSubtree(tree, static_cast<std::uint32_t>(a), aFactors, index);
    const int right = appendSubtree(tree, static_cast<std::uint32_t>(m / a), bFactors, index);
    tree[static_cast<std::size_t>(index)].left = left;
    tree[static_cast<std::size_t>(index)].right = right;
    return index;
}

FactorWorking factorWorkingOf(Status status, std::int32_t number, std::span<const std::int32_t> factors)
{
    FactorWorking working{std::move(status), number, {}, {}, {}, {}};
    if (!working.status.isOk() || factors.empty())
        return working;
    for (const std::int32_t p : factors)
        working.factors.push_back(static_cast<std::uint32_t>(p));
    working.powers = primePowers(working.factors);
    auto m = static_cast<std::uint32_t>(number);
    for (const std::uint32_t p : working.factors) {
        working.ladder.push_back({p, m, m / p});
        m /= p;
    }
    appendSubtree(working.tree, static_cast<std::uint32_t>(number), working.factors, -1);
    return working;
}

// ---- Venn diagram -------------------------------------------------------------

// The regions in the order the diagram is described in.
std::vector<unsigned> regionOrder(std::size_t count)
{
    if (count == 2)
        return {0b01, 0b11, 0b10};
    return {0b001, 0b011, 0b111, 0b101, 0b010, 0b110, 0b100};
}

// How many copies of p region members holds, from p's exponent in each number.
int copiesIn(unsigned members, std::span<const int> exponents)
{
    const int inAll = *std::min_element(exponents.begin(), exponents.end());
    int inMembers = std::numeric_limits<int>::max();
    std::size_t one = 0; // a member circle
    for (std::size_t i = 0; i < exponents.size(); ++i)
        if ((members >> i & 1u) != 0) {
            inMembers = std::min(inMembers, exponents[i]);
            one = i;
        }
    const auto memberCount = static_cast<std::size_t>(std::popcount(members));
    if (memberCount == exponents.size())
        return inAll;
    if (memberCount == 2)
        return inMembers - inAll;
    // The rest of the one circle's exponent, after every overlap it is in.
    int rest = exponents[one];
    for (std::size_t j = 0; j < exponents.size(); ++j)
        if (j != one)
            rest -= std::min(exponents[one], exponents[j]) - inAll;
    return rest - inAll;
}

// ---- HCF ----------------------------------------------------------------------

// Euclid's divisions of the larger of a and b by the smaller, down to the remainder 0.
std::vector<EuclidDivision> euclidDivisions(std::uint32_t a, std::uint32_t b)
{
    std::vector<EuclidDivision> divisions;
    std::uint32_t dividend = std::max(a, b);
    std::uint32_t divisor = std::min(a, b);
    while (divisor != 0) {
        const std::uint32_t remainder = dividend % divisor;
        divisions.push_back({dividend, divisor, dividend / divisor, remainder});
        dividend = divisor;
        divisor = remainder;
    }
    return divisions;
}

} // namespace

FactorWorking factorWorking(std::int32_t n)
{
    const std::vector<std::int32_t> factors = Factorizer::factorList(n);
    return factorWorkingOf(Status::ok(), n, factors);
}

FactorWorking factorWorking(const FactorResult &result)
{
    return factorWorkingOf(result.status, result.number, result.factors);
}

VennContents vennContents(std::span<const std::int32_t> values)
{
    VennContents contents;
    if ((values.size() != 2 && values.size() != 3) || std::find(values.begin(), values.end(), 0) != values.end())
        return contents;
    const std::size_t count = values.size();

    // Each prime's exponent in each number.
    std::vector<std::uint32_t> primes;
    std::vector<std::vector<PrimePower>> powersOf;
    for (const std::int32_t value : values) {
        contents.magnitudes.push_back(magnitude(value));
        powersOf.push_back(primePowers(PrimeTable::instance().factors(magnitude(value))));
        for (const PrimePower &power : powersOf.back())
            primes.push_back(power.prime);
    }
    std::sort(primes.begin(), primes.end());
    primes.erase(std::unique(primes.begin(), primes.end()), primes.end());

    for (const unsigned members : regionOrder(count))
        contents.regions.push_back({members, {}});
    std::array<int, 3> exponents{};
    for (const std::uint32_t p : primes) {
        for (std::size_t i = 0; i < count; ++i) {
            const auto found = std::find_if(powersOf[i].begin(), powersOf[i].end(),
                                            [p](const PrimePower &power) { return power.prime == p; });
            exponents[i] = found == powersOf[i].end() ? 0 : found->exponent;
        }
        for (VennContents::Region &region : contents.regions) {
            const int copies = copiesIn(region.members, std::span<const int>(exponents.data(), count));
            region.factors.insert(region.factors.end(), static_cast<std::size_t>(copies), p);
        }
    }
    for (const VennContents::Region &region : contents.regions) {
        contents.lcmFactors.insert(contents.lcmFactors.end(), region.factors.begin(), region.factors.end());
        if (std::popcount(region.members) == static_cast<int>(count))
            contents.hcfFactors = region.factors;
    }
    std::sort(contents.lcmFactors.begin(), contents.lcmFactors.end());
    contents.hcf = WholeNumber::product(contents.hcfFactors);
    contents.lcm = WholeNumber::product(contents.lcmFactors);
    return contents;
}

HcfWorking hcfWorking(std::span<const std::int32_t> values)
{
    return hcfWorking(Hcf::of(values));
}

HcfWorking hcfWorking(const HcfResult &result)
{
    HcfWorking working{result.status, result.numbers, {}, result.value, false, {}};
    if (!working.status.isOk())
        return working;
    for (const HcfStep &step : result.steps)
        working.steps.push_back({step.h, step.x, step.g, euclidDivisions(step.h, step.x)});
    // The fold makes one step per number after the first, unless it reaches 1 early.
    working.stoppedEarly = !result.steps.empty() && result.steps.back().g == 1 && result.steps.size() + 1 < result.numbers.size();
    working.venn = vennContents(result.numbers);
    return working;
}

LcmWorking lcmWorking(std::span<const std::int32_t> values)
{
    return lcmWorking(LcmLadder::of(values));
}

LcmWorking lcmWorking(const LcmResult &result)
{
    LcmWorking working;
    working.status = result.status;
    working.numbers = result.numbers;
    if (!working.status.isOk())
        return working;
    working.zero = result.value.isZero();
    for (std::size_t k = 0; k < result.rungs.size(); ++k)
        working.rows.push_back({result.rungs[k], result.rows[k]});
    working.remaining = result.remaining;
    working.product = result.ladderFactors();
    working.value = result.value;
    // Each distinct number is factorized once.
    for (std::size_t i = 0; i < result.numbers.size(); ++i) {
        const auto same = std::find(result.numbers.begin(), result.numbers.begin() + static_cast<std::ptrdiff_t>(i),
                                    result.numbers[i]);
        working.factorizations.push_back(
            same != result.numbers.begin() + static_cast<std::ptrdiff_t>(i)
                ? working.factorizations[static_cast<std::size_t>(same - result.numbers.begin())]
                : primePowers(PrimeTable::instance().factors(magnitude(result.numbers[i]))));
    }
    working.venn = vennContents(result.numbers);
    return working;
}

SieveWorking sieveWorking(std::int32_t a, std::int32_t b)
{
    return sieveWorking(PrimesResult{{a, b}, PrimeRange::primesBetween(a, b)});
}

SieveWorking sieveWorking(const PrimesResult &result)
{
    SieveWorking steps;
    const PrimeRange::Bounds range = PrimeRange::ordered(result.bounds[0], result.bounds[1]);
    steps.start = range.start;
    steps.end = range.end;
    steps.wide = !PrimeRange::isShownStepByStep(range);
    steps.crossesOutOne = steps.start == 1;
    steps.primes = result.primes;

    auto root = static_cast<std::int32_t>(std::sqrt(static_cast<double>(steps.end)));
    while (root * root > steps.end)
        --root;
    while ((root + 1) * (root + 1) <= steps.end)
        ++root;
    // A prime lies between root + 1 and twice that (Bertrand's postulate).
    steps.stopPrime = PrimeRange::primesBetween(root + 1, 2 * (root + 1)).front();
    steps.stopSquare = std::int64_t{steps.stopPrime} * steps.stopPrime;
    if (steps.wide)
        return steps;

    // Crossing out by ascending primes from p x p up: a multiple of p below
    // p x p has a smaller prime factor, so what p crosses first has p as its
    // smallest prime factor.
    std::vector<char> crossed(static_cast<std::size_t>(steps.end - steps.start + 1), 0);
    for (const std::int32_t p : PrimeRange::primesBetween(1, root)) {
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

PrimalityWorking primalityWorking(std::uint32_t n)
{
    PrimalityWorking working;
    working.number = n;
    const auto root = static_cast<std::int32_t>(std::min<std::uint64_t>(65535, static_cast<std::uint64_t>(std::sqrt(static_cast<double>(n)))));
    for (const std::int32_t p : PrimeRange::primesBetween(2, root + 1))
        if (std::uint64_t(p) * static_cast<std::uint32_t>(p) <= n)
            working.primesToTry.push_back(static_cast<std::uint32_t>(p));
    working.prime = n >= 2;
    for (const std::uint32_t p : working.primesToTry) {
        working.trials.push_back({p, n / p, n % p});
        if (n % p == 0) {
            working.prime = false;
            break;
        }
    }
    return working;
}

} // namespace numbers
