#include "Factorizer.h"
#include "PrimeRange.h"
#include "Working.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

using namespace numbers;

namespace {

using Powers = std::vector<PrimePower>;

TEST(WorkingModel, GathersRepeatedFactorsIntoPrimePowers)
{
    const struct {
        const char *name;
        std::int32_t n;
        Powers powers;
    } cases[] = {
        {"360", 360, {{2, 3}, {3, 2}, {5, 1}}}, {"a prime", 97, {{97, 1}}},   {"2^30", 1073741824, {{2, 30}}},
        {"46327 x 46337", 2146654199, {{46327, 1}, {46337, 1}}},                {"1 has none", 1, {}},
        {"a negative has none", -12, {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(factorWorking(c.n).powers, c.powers) << c.name;
}

TEST(WorkingModel, DivisionLadderDividesByEachPrimeDownToOne)
{
    using Ladder = std::vector<DivisionRung>;
    const struct {
        std::int32_t n;
        Ladder ladder;
    } cases[] = {
        {360, {{2, 360, 180}, {2, 180, 90}, {2, 90, 45}, {3, 45, 15}, {3, 15, 5}, {5, 5, 1}}},
        {2147483647, {{2147483647, 2147483647, 1}}},
        {0, {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(factorWorking(c.n).ladder, c.ladder) << c.n;
}

// The tree's rule by brute force: each composite splits into its largest
// divisor a with a x a <= m and m / a; the leaves are the prime factors.
TEST(WorkingModel, FactorTreeSplitsAtTheLargestDivisorUpToTheSquareRoot)
{
    std::vector<std::int32_t> numbers;
    for (std::int32_t n = 2; n <= 3000; ++n)
        numbers.push_back(n);
    numbers.insert(numbers.end(), {1073741824, 2147483646, 2146654199, 2095133040});
    for (const std::int32_t n : numbers) {
        const FactorWorking working = factorWorking(n);
        ASSERT_FALSE(working.tree.empty()) << n;
        EXPECT_EQ(working.tree.front().value, static_cast<std::uint32_t>(n));
        std::vector<std::uint32_t> leaves;
        for (std::size_t i = 0; i < working.tree.size(); ++i) {
            const TreeSplit &node = working.tree[i];
            if (node.isPrime()) {
                leaves.push_back(node.value);
                continue;
            }
            const std::uint64_t m = node.value;
            std::uint64_t a = 1;
            for (std::uint64_t d = 2; d * d <= m; ++d)
                if (m % d == 0)
                    a = d;
            const TreeSplit &left = working.tree[static_cast<std::size_t>(node.left)];
            const TreeSplit &right = working.tree[static_cast<std::size_t>(node.right)];
            ASSERT_TRUE(a > 1) << m << " is split but has no divisor";
            EXPECT_TRUE(left.value == a && right.value == m / a) << m;
            // Depth first: the left child follows its parent.
            EXPECT_TRUE(node.left == static_cast<int>(i) + 1 && left.parent == static_cast<int>(i) && right.parent == static_cast<int>(i));
        }
        std::sort(leaves.begin(), leaves.end());
        EXPECT_EQ(leaves, working.factors) << n;
    }
    EXPECT_TRUE(factorWorking(1).tree.empty());
}

TEST(WorkingModel, ReadsTheWindowsResultAsItReadsAnyNumber)
{
    const std::vector<std::int32_t> typed{360, 7};
    const FactorWorking fromResult = factorWorking(Factorizer::ofFirst(typed));
    EXPECT_TRUE(fromResult.powers == factorWorking(360).powers && fromResult.ladder == factorWorking(360).ladder);
    EXPECT_EQ(factorWorking(Factorizer::ofFirst({})).status.reason(), Refusal::NoNumbers);
    EXPECT_EQ(hcfWorking(std::vector<std::int32_t>{5}).status.reason(), Refusal::HcfNeedsTwo);
    EXPECT_EQ(lcmWorking(std::vector<std::int32_t>{}).status.reason(), Refusal::NoNumbers);
}

TEST(WorkingModel, EuclidDividesTheLargerBySmallerDownToRemainderZero)
{
    using Divisions = std::vector<EuclidDivision>;
    const struct {
        const char *name;
        std::vector<std::int32_t> values;
        std::vector<Divisions> divisions; // per step of the fold
        std::vector<std::uint32_t> running;
        bool stoppedEarly;
    } cases[] = {
        {"three numbers", {12, 18, 30}, {{{18, 12, 1, 6}, {12, 6, 2, 0}}, {{30, 6, 5, 0}}}, {6, 6}, false},
        {"stops at 1", {4, 9, 12}, {{{9, 4, 2, 1}, {4, 1, 4, 0}}}, {1}, true},
        {"1 on the last number", {9, 6, 4}, {{{9, 6, 1, 3}, {6, 3, 2, 0}}, {{4, 3, 1, 1}, {3, 1, 3, 0}}}, {3, 1}, false},
        {"a 0: no division", {0, -4}, {{}}, {4}, false},
        {"equal numbers", {-7, 7}, {{{7, 7, 1, 0}}}, {7}, false},
        {"the most negative", {INT32_MIN, 6}, {{{2147483648u, 6, 357913941, 2}, {6, 2, 3, 0}}}, {2}, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const HcfWorking working = hcfWorking(c.values);
        std::vector<Divisions> divisions;
        std::vector<std::uint32_t> running;
        for (const HcfFoldStep &step : working.steps) {
            divisions.push_back(step.divisions);
            running.push_back(step.g);
        }
        EXPECT_EQ(divisions, c.divisions);
        EXPECT_EQ(running, c.running);
        EXPECT_EQ(working.value, std::int64_t{c.running.back()});
        EXPECT_EQ(working.stoppedEarly, c.stoppedEarly);
    }
}

TEST(WorkingModel, LcmKeepsTheLadderTheProductAndEachFactorization)
{
    const struct {
        const char *name;
        std::vector<std::int32_t> values;
        std::vector<std::uint32_t> divisors;
        std::vector<std::uint32_t> remaining;
        std::vector<std::uint32_t> product;
        std::string lcm;
        std::vector<Powers> factorizations;
    } cases[] = {
        {"12 and 18", {12, 18}, {2, 3}, {2, 3}, {2, 3, 2, 3}, "36", {{{2, 2}, {3, 1}}, {{2, 1}, {3, 2}}}},
        {"coprime: no ladder", {4, 9}, {}, {4, 9}, {4, 9}, "36", {{{2, 2}}, {{3, 2}}}},
        {"a sign and a 1", {-8, 8, 1}, {2, 4}, {1, 1, 1}, {2, 4}, "8", {{{2, 3}}, {{2, 3}}, {}}},
        {"a 0 gives 0", {5, 0}, {}, {5, 0}, {0}, "0", {{{5, 1}}, {}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const LcmWorking working = lcmWorking(c.values);
        std::vector<std::uint32_t> divisors;
        for (const LadderRow &row : working.rows)
            divisors.push_back(row.divisor);
        EXPECT_EQ(divisors, c.divisors);
        EXPECT_EQ(working.remaining, c.remaining);
        EXPECT_EQ(working.product, c.product);
        EXPECT_EQ(working.value.decimal(), c.lcm);
        EXPECT_EQ(working.zero, c.lcm == "0");
        EXPECT_EQ(working.factorizations, c.factorizations);
    }
}

TEST(WorkingModel, VennOfTheHcfAndLcmIsBuiltWithTheirWorking)
{
    const HcfWorking hcf = hcfWorking(std::vector<std::int32_t>{8, 12, 18});
    const LcmWorking lcm = lcmWorking(std::vector<std::int32_t>{8, 12, 18});
    for (const VennContents *venn : {&hcf.venn, &lcm.venn}) {
        ASSERT_TRUE(venn->isDrawn());
        EXPECT_EQ(venn->hcf.decimal(), "2");
        EXPECT_EQ(venn->lcm.decimal(), "72");
        EXPECT_EQ(venn->hcfFactors, std::vector<std::uint32_t>{2});
    }
    EXPECT_FALSE(hcfWorking(std::vector<std::int32_t>{2, 3, 4, 5}).venn.isDrawn());
}

TEST(PrimeBounds, AreOrderedAndClampedAndShownStepByStepUpTo1000Numbers)
{
    const struct {
        const char *name;
        std::int32_t a, b;
        std::int32_t start, end;
        bool shown;
    } cases[] = {
        {"either way", 30, 20, 20, 30, true},
        {"0 and negatives act as 1", 0, -5, 1, 1, true},
        {"the whole int range", INT32_MIN, INT32_MAX, 1, 225001, false},
        {"1000 numbers", 1, 1000, 1, 1000, true},
        {"1001 numbers", 1001, 1, 1, 1001, false},
        {"the top 1000, above the largest bound", 224002, 300000, 224002, 225001, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const PrimeRange::Bounds range = PrimeRange::ordered(c.a, c.b);
        EXPECT_TRUE(range.start == c.start && range.end == c.end) << range.start << ".." << range.end;
        EXPECT_EQ(PrimeRange::isShownStepByStep(range), c.shown);
        // The sieve's working reads the same rule.
        const SieveWorking sieve = sieveWorking(c.a, c.b);
        EXPECT_TRUE(sieve.start == c.start && sieve.end == c.end && sieve.wide == !c.shown);
    }
}

} // namespace
