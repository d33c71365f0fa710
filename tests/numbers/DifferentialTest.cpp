#include "ReferenceCores.h"

#include "Factorizer.h"
#include "Hcf.h"
#include "InputReader.h"
#include "LcmLadder.h"
#include "PrimeRange.h"

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <random>
#include <string>

using namespace numbers;

namespace {

std::int64_t magnitude(std::int32_t v) { return std::abs(static_cast<std::int64_t>(v)); }

std::string join(const std::vector<std::int32_t> &values)
{
    std::string text;
    for (const std::int32_t v : values)
        text += std::to_string(v) + " ";
    return text;
}

// Numbers made of small primes, so that lists share many divisors and the ladder has work to do.
std::int32_t smooth(std::mt19937 &random, std::int32_t limit)
{
    static const int primes[] = {2, 2, 2, 3, 3, 5, 7, 11, 13};
    std::int32_t n = 1;
    std::uniform_int_distribution<int> pick(0, 8);
    for (int tries = 0; tries < 12; ++tries) {
        const int p = primes[pick(random)];
        if (n * p > limit)
            break;
        n *= p;
    }
    return n;
}

TEST(Differential, FactorizationMatchesTrialDivisionUpToN)
{
    std::mt19937 random(20261208);
    std::uniform_int_distribution<std::int32_t> small(-10, 300000);
    for (int i = 0; i < 400; ++i) {
        const std::int32_t n = small(random);
        EXPECT_EQ(Factorizer::factorList(n), ReferenceCores::factorList(n)) << n;
    }
}

TEST(Differential, FactorizationOfLargeNumbersMultipliesBackToPrimesAscending)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<std::int32_t> any(2, INT32_MAX);
    for (int i = 0; i < 300; ++i) {
        const std::int32_t n = i < 2 ? INT32_MAX - i : any(random);
        const std::vector<std::int32_t> factors = Factorizer::factorList(n);
        EXPECT_TRUE(std::is_sorted(factors.begin(), factors.end())) << n;
        std::int64_t product = 1;
        for (const std::int32_t f : factors) {
            product *= f;
            for (std::int64_t d = 2; d * d <= f; ++d)
                ASSERT_NE(f % d, 0) << f << " in the factors of " << n << " is not prime";
        }
        EXPECT_EQ(product, n);
    }
}

TEST(Differential, HcfMatchesTheGcdOfTheMagnitudes)
{
    std::mt19937 random(11);
    std::uniform_int_distribution<int> size(2, 101);
    for (int i = 0; i < 500; ++i) {
        std::vector<std::int32_t> values(static_cast<std::size_t>(size(random)));
        const std::int32_t common = smooth(random, 5000);
        for (std::int32_t &v : values)
            v = random() % 5 == 0 ? -common * smooth(random, 400000) : common * smooth(random, 400000);
        if (i % 7 == 0)
            values[1] = 0;
        std::int64_t expected = 0;
        for (const std::int32_t v : values)
            expected = std::gcd(expected, magnitude(v));
        EXPECT_EQ(Hcf::of(values).value, expected) << join(values);
    }
}

TEST(Differential, LadderMatchesTheCandidateLoopUpToTheMaximum)
{
    std::mt19937 random(42);
    std::uniform_int_distribution<int> size(1, 8);
    std::uniform_int_distribution<std::int32_t> plain(1, 400);
    for (int i = 0; i < 1500; ++i) {
        std::vector<std::int32_t> values(static_cast<std::size_t>(size(random)));
        for (std::int32_t &v : values) {
            v = i % 2 == 0 ? smooth(random, 2000) : plain(random);
            if (random() % 6 == 0)
                v = -v;
        }
        const LcmResult fast = LcmLadder::of(values);
        const ReferenceCores::Ladder slow = ReferenceCores::ladder(values);
        EXPECT_EQ(fast.rungs, slow.rungs) << join(values);
        EXPECT_EQ(fast.rows, slow.before) << join(values);
        EXPECT_EQ(fast.remaining, slow.remaining) << join(values);
    }
}

// Lists of divisors of highly composite numbers: they share many primes in
// many holder sets, the case where looking for rungs from factorizations could
// go wrong (a composite rung, a rung that opens only after an earlier one).
TEST(Differential, LadderMatchesTheCandidateLoopOnHighlyCompositeLists)
{
    const std::int32_t composites[] = {720720, 360360, 55440, 50400, 45360, 27720, 10080, 5040, 2520, 720, 360, 240, 60, 12};
    std::mt19937 random(1208);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(composites) - 1);
    std::uniform_int_distribution<int> size(2, 101);
    for (int i = 0; i < 40; ++i) {
        std::vector<std::int32_t> values(static_cast<std::size_t>(i < 20 ? 2 + i % 6 : size(random)));
        for (std::int32_t &v : values) {
            // A divisor of a highly composite number, at most 50400 so the candidate loop stays quick.
            std::int32_t n = composites[pick(random)];
            while (n > 1 && (n > 50400 || random() % 3 == 0)) {
                const std::vector<std::int32_t> factors = Factorizer::factorList(n);
                n /= factors[random() % factors.size()];
            }
            v = random() % 4 == 0 ? -n : n;
        }
        const LcmResult fast = LcmLadder::of(values);
        const ReferenceCores::Ladder slow = ReferenceCores::ladder(values);
        EXPECT_EQ(fast.rungs, slow.rungs) << join(values);
        EXPECT_EQ(fast.rows, slow.before) << join(values);
        EXPECT_EQ(fast.remaining, slow.remaining) << join(values);
    }
}

// Replays the ladder's rungs on the numbers: every rung divides at least two of
// them at its step, shares no factor with the others, and what remains matches.
void expectSoundLadder(const std::vector<std::int32_t> &values, const LcmResult &result)
{
    std::vector<std::int64_t> numbers;
    for (const std::int32_t v : values)
        numbers.push_back(magnitude(v));
    for (const std::uint32_t rung : result.rungs) {
        int divisible = 0;
        for (std::int64_t &n : numbers) {
            if (n % rung == 0) {
                ++divisible;
                n /= rung;
            } else {
                EXPECT_EQ(std::gcd(n, static_cast<std::int64_t>(rung)), 1) << "rung " << rung << " in " << join(values);
            }
        }
        EXPECT_GE(divisible, 2) << "rung " << rung << " in " << join(values);
    }
    EXPECT_TRUE(std::equal(numbers.begin(), numbers.end(), result.remaining.begin(), result.remaining.end()));
}

TEST(Differential, LadderGivesTheLcmOfTheGcdsAndSoundRungs)
{
    std::mt19937 random(2026);
    std::uniform_int_distribution<int> size(1, 101);
    std::uniform_int_distribution<std::int32_t> any(INT32_MIN, INT32_MAX);
    int beyond64Bits = 0;
    for (int i = 0; i < 400; ++i) {
        std::vector<std::int32_t> values(static_cast<std::size_t>(i % 4 == 0 ? size(random) : 1 + i % 5));
        const std::int32_t common = smooth(random, 1 << 20);
        for (std::int32_t &v : values) {
            const std::int32_t raw = any(random);
            switch (i % 3) {
            case 0: v = raw; break;
            case 1: v = common * smooth(random, INT32_MAX / common); break;
            default: v = (raw / common) * common; break;
            }
            if (v == 0)
                v = common;
        }
        const LcmResult result = LcmLadder::of(values);

        mpz_class lcm = 1;
        for (const std::int32_t v : values)
            mpz_lcm_ui(lcm.get_mpz_t(), lcm.get_mpz_t(), magnitude(v));
        if (lcm > mpz_class("9223372036854775807"))
            ++beyond64Bits;
        ASSERT_TRUE(result.status.isOk()) << join(values);
        EXPECT_EQ(result.value.decimal(), lcm.get_str()) << join(values);
        expectSoundLadder(values, result);
    }
    EXPECT_GT(beyond64Bits, 0);
    EXPECT_LT(beyond64Bits, 400);
}

TEST(Differential, LadderGivesEveryDigitOfTheLcmOfTheLargestNumbers)
{
    std::vector<std::int32_t> nearTop;
    std::vector<std::int32_t> largestPrimes;
    for (std::int32_t n = INT32_MAX; largestPrimes.size() < 101; --n) {
        if (nearTop.size() < 101)
            nearTop.push_back(n);
        if (Factorizer::factorList(n).size() == 1)
            largestPrimes.push_back(n);
    }
    const struct {
        const std::vector<std::int32_t> &values;
        std::size_t digits;
    } cases[] = {{nearTop, 809}, {largestPrimes, 943}};
    for (const auto &c : cases) {
        mpz_class lcm = 1;
        for (const std::int32_t v : c.values)
            mpz_lcm_ui(lcm.get_mpz_t(), lcm.get_mpz_t(), magnitude(v));
        const LcmResult result = LcmLadder::of(c.values);
        EXPECT_EQ(result.value.decimal(), lcm.get_str());
        EXPECT_EQ(result.value.decimal().size(), c.digits);
    }
}

TEST(Differential, PrimesMatchTrialDivisionUpToXMinusOne)
{
    std::mt19937 random(5);
    std::uniform_int_distribution<std::int32_t> start(1, 30000);
    std::uniform_int_distribution<std::int32_t> width(0, 400);
    for (int i = 0; i < 60; ++i) {
        const std::int32_t a = i == 0 ? 1 : start(random);
        const std::int32_t b = a + width(random);
        EXPECT_EQ(PrimeRange::primesBetween(b, a), ReferenceCores::primes(a, b)) << a << ".." << b;
    }
}

TEST(Differential, ReadingGivesBackTheNumbersWrittenWithAnySeparators)
{
    std::mt19937 random(3);
    std::uniform_int_distribution<std::int32_t> any(INT32_MIN, INT32_MAX);
    const char *separators[] = {" ", "  ", "\t", " \t ", "\r\n", "\u00A0", "\u3000", "\u200B ", "\uFEFF\t", "\u2028 "};
    for (int i = 0; i < 300; ++i) {
        std::vector<std::int32_t> values(static_cast<std::size_t>(1 + i % 101));
        std::string text = i % 2 ? " " : "";
        for (std::int32_t &v : values) {
            v = any(random);
            char hex[16];
            std::snprintf(hex, sizeof hex, "&H%X", static_cast<unsigned>(v));
            text += (v >= 0 && random() % 3 == 0) ? std::string(hex) : std::to_string(v);
            text += separators[random() % std::size(separators)];
        }
        const Reading reading = InputReader::read(text);
        ASSERT_TRUE(reading.status.isOk()) << text;
        EXPECT_TRUE(std::equal(values.begin(), values.end(), reading.list.values().begin(), reading.list.values().end())) << text;
    }
}

} // namespace
