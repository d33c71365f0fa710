#include "Factorizer.h"
#include "Hcf.h"
#include "LcmLadder.h"
#include "PictureLayout.h"
#include "PrimeRange.h"
#include "Texts.h"

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <sstream>
#include <string>
#include <vector>

using namespace numbers;

namespace {

struct WorkingCase {
    std::vector<std::int32_t> values;
    std::string text;
};

TEST(FactorsWorking, LaysOutTheDivisionLadderAlignedAndTheExponentForm)
{
    const WorkingCase cases[] = {
        {{360}, "Factors of 360\n\n2 | 360\n2 | 180\n2 |  90\n3 |  45\n3 |  15\n5 |   5\n  |   1\n\n360 = 2^3 x 3^2 x 5"},
        {{97}, "Factors of 97\n\n97 | 97\n   |  1\n\n97 is a prime number."},
        {{12, 18}, "Factors of 12\n\n2 | 12\n2 |  6\n3 |  3\n  |  1\n\n12 = 2^2 x 3"},
        {{2146654199}, "Factors of 2146654199\n\n46327 | 2146654199\n46337 |      46337\n      |          1\n\n"
                       "2146654199 = 46327 x 46337"},
        {{2147483647}, "Factors of 2147483647\n\n2147483647 | 2147483647\n           |          1\n\n2147483647 is a prime number."},
        {{2}, "Factors of 2\n\n2 | 2\n  | 1\n\n2 is a prime number."},
        {{1}, "Factors of 1\n\nOnly numbers above 1 have prime factors."},
        {{0}, "Factors of 0\n\nOnly numbers above 1 have prime factors."},
        {{-12}, "Factors of -12\n\nOnly numbers above 1 have prime factors."},
        {{INT32_MIN}, "Factors of -2147483648\n\nOnly numbers above 1 have prime factors."},
    };
    for (const WorkingCase &c : cases)
        EXPECT_EQ(Texts().factorsWorking(factorWorking(Factorizer::ofFirst(c.values))), c.text) << c.values.front();

    const std::string twoToThe30 = Texts().factorsWorking(factorWorking(1073741824));
    EXPECT_TRUE(twoToThe30.starts_with("Factors of 1073741824\n\n2 | 1073741824\n2 |  536870912\n")) << twoToThe30;
    EXPECT_TRUE(twoToThe30.ends_with("\n2 |          2\n  |          1\n\n1073741824 = 2^30")) << twoToThe30;
}

TEST(HcfWorking, ShowsEuclidsDivisionsOnTheMagnitudesAndStopsAtOne)
{
    const WorkingCase cases[] = {
        {{12, 18, 30}, "HCF of 12, 18, 30\n\nHCF(12, 18):\n18 = 1 x 12 + 6\n12 = 2 x 6 + 0\nHCF(12, 18) = 6\n\n"
                       "HCF(6, 30):\n30 = 5 x 6 + 0\nHCF(6, 30) = 6\n\nHCF = 6"},
        {{4, 9, 12}, "HCF of 4, 9, 12\n\nHCF(4, 9):\n9 = 2 x 4 + 1\n4 = 4 x 1 + 0\nHCF(4, 9) = 1\n"
                     "The HCF is already 1: the other numbers cannot change it.\n\nHCF = 1"},
        {{7, 0}, "HCF of 7, 0\n\nHCF(7, 0) = 7\n\nHCF = 7"},
        {{0, -4}, "HCF of 0, -4\n-4 is taken as 4.\n\nHCF(0, 4) = 4\n\nHCF = 4"},
        {{0, 0}, "HCF of 0, 0\n\nHCF(0, 0) = 0\n\nHCF = 0"},
        // The last number brings the HCF to 1: nothing remains, so no early-stop line.
        {{9, 6, 4}, "HCF of 9, 6, 4\n\nHCF(9, 6):\n9 = 1 x 6 + 3\n6 = 2 x 3 + 0\nHCF(9, 6) = 3\n\n"
                    "HCF(3, 4):\n4 = 1 x 3 + 1\n3 = 3 x 1 + 0\nHCF(3, 4) = 1\n\nHCF = 1"},
        {{-4, 6}, "HCF of -4, 6\n-4 is taken as 4.\n\nHCF(4, 6):\n6 = 1 x 4 + 2\n4 = 2 x 2 + 0\nHCF(4, 6) = 2\n\nHCF = 2"},
        {{5, 5}, "HCF of 5, 5\n\nHCF(5, 5):\n5 = 1 x 5 + 0\nHCF(5, 5) = 5\n\nHCF = 5"},
        {{INT32_MIN, 2147483647}, "HCF of -2147483648, 2147483647\n-2147483648 is taken as 2147483648.\n\nHCF(2147483648, 2147483647):\n"
                                  "2147483648 = 1 x 2147483647 + 1\n2147483647 = 2147483647 x 1 + 0\n"
                                  "HCF(2147483648, 2147483647) = 1\n\nHCF = 1"},
        {{INT32_MIN, 0, 1024}, "HCF of -2147483648, 0, 1024\n-2147483648 is taken as 2147483648.\n\nHCF(2147483648, 0) = 2147483648\n\n"
                               "HCF(2147483648, 1024):\n2147483648 = 2097152 x 1024 + 0\nHCF(2147483648, 1024) = 1024\n\nHCF = 1024"},
        {{5}, "You must have two numbers to Find HCF."},
    };
    for (const WorkingCase &c : cases)
        EXPECT_EQ(Texts().hcfWorking(hcfWorking(c.values)), c.text) << c.text;
}

TEST(LcmWorking, TabulatesTheLadderWithRightAlignedColumns)
{
    const WorkingCase cases[] = {
        {{262144, 16}, "LCM of 262144, 16\n\n2 | 262144  16\n4 | 131072   8\n2 |  32768   2\n  |  16384   1\n\n"
                       "LCM = 2 x 4 x 2 x 16384 = 262144"},
        {{8, 12, 16}, "LCM of 8, 12, 16\n\n2 | 8  12  16\n2 | 4   6   8\n2 | 2   3   4\n  | 1   3   2\n\nLCM = 2 x 2 x 2 x 3 x 2 = 48"},
        {{4, 9}, "LCM of 4, 9\n\nLCM = 4 x 9 = 36"},
        {{0, 5}, "LCM of 0, 5\n\nOne of the numbers is 0, so the LCM is 0.\n\nLCM = 0"},
        {{7, -3, 0}, "LCM of 7, -3, 0\n\nOne of the numbers is 0, so the LCM is 0.\n\nLCM = 0"},
        {{-8, 8}, "LCM of -8, 8\n-8 is taken as 8.\n\n2 | 8  8\n4 | 4  4\n  | 1  1\n\nLCM = 2 x 4 = 8"},
        {{2, 2}, "LCM of 2, 2\n\n2 | 2  2\n  | 1  1\n\nLCM = 2"},
        {{5}, "LCM of 5\n\nLCM = 5"},
        {{1, -1}, "LCM of 1, -1\n-1 is taken as 1.\n\nLCM = 1"},
        {{12, 18, 30}, "LCM of 12, 18, 30\n\n2 | 12  18  30\n3 |  6   9  15\n  |  2   3   5\n\nLCM = 2 x 3 x 2 x 3 x 5 = 180"},
        {{INT32_MIN, 2147483647}, "LCM of -2147483648, 2147483647\n-2147483648 is taken as 2147483648.\n\nLCM = 2147483648 x 2147483647 = 4611686016279904256"},
        {{65537, 131074, 3}, "LCM of 65537, 131074, 3\n\n65537 | 65537  131074  3\n      |     1       2  3\n\n"
                             "LCM = 65537 x 2 x 3 = 393222"},
    };
    for (const WorkingCase &c : cases)
        EXPECT_EQ(Texts().lcmWorking(lcmWorking(c.values)), c.text) << c.text;
    EXPECT_EQ(Texts().lcmWorking(lcmWorking(std::span<const std::int32_t>{})), "Enter at least one number.");
}

// Numbers made of small primes, so that the ladder has many rungs.
std::int32_t smooth(std::mt19937 &random)
{
    static const std::int64_t primes[] = {2, 2, 2, 3, 3, 5, 7, 11, 13, 17, 19, 23};
    std::int64_t n = 1;
    std::uniform_int_distribution<std::size_t> pick(0, std::size(primes) - 1);
    for (int tries = 0; tries < 40; ++tries) {
        const std::int64_t p = primes[pick(random)];
        if (n * p > INT32_MAX)
            break;
        n *= p;
    }
    return static_cast<std::int32_t>(n);
}

std::vector<std::string> linesOf(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<mpz_class> numbersIn(const std::string &text)
{
    std::vector<mpz_class> found;
    std::istringstream in(text);
    for (std::string word; in >> word;)
        if (word.find_first_not_of("0123456789") == std::string::npos)
            found.emplace_back(word);
    return found;
}

// Reads the table back: each row divided by its rung gives the next row, the
// rungs and what remains above 1 multiply to the LCM, and that is the true LCM.
void expectReplayableTable(const std::vector<std::int32_t> &values, const std::string &text)
{
    for (const char c : text)
        ASSERT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7F)) << "not plain ASCII: " << int(c);
    const std::vector<std::string> lines = linesOf(text);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_FALSE(text.ends_with("\n"));
    for (const std::string &line : lines)
        EXPECT_FALSE(line.ends_with(" ")) << "[" << line << "]";

    std::vector<mpz_class> rungs;
    std::vector<std::vector<mpz_class>> rows;
    std::size_t rowLength = 0;
    // After the header, the notes on negative numbers and a blank line.
    for (std::size_t i = 2 + Texts().signNotes(values).size(); i + 2 < lines.size(); ++i) {
        const std::size_t bar = lines[i].find(" | ");
        ASSERT_NE(bar, std::string::npos) << lines[i];
        if (rowLength == 0)
            rowLength = lines[i].size();
        EXPECT_EQ(lines[i].size(), rowLength) << "columns not aligned: " << lines[i];
        const std::vector<mpz_class> left = numbersIn(lines[i].substr(0, bar));
        if (!left.empty())
            rungs.push_back(left.front());
        rows.push_back(numbersIn(lines[i].substr(bar + 3)));
        ASSERT_EQ(rows.back().size(), values.size()) << lines[i];
    }
    ASSERT_EQ(rows.size(), rungs.empty() ? 0 : rungs.size() + 1);
    for (std::size_t k = 0; k < rungs.size(); ++k)
        for (std::size_t c = 0; c < values.size(); ++c) {
            const mpz_class &v = rows[k][c];
            EXPECT_EQ(rows[k + 1][c], v % rungs[k] == 0 ? mpz_class(v / rungs[k]) : v) << "rung " << rungs[k] << ", column " << c;
        }

    mpz_class expected = 1;
    for (const std::int32_t v : values)
        mpz_lcm_ui(expected.get_mpz_t(), expected.get_mpz_t(), v < 0 ? 0ul - static_cast<unsigned long>(static_cast<std::int64_t>(v)) : static_cast<unsigned long>(v));
    const std::string &last = lines.back();
    ASSERT_TRUE(last.starts_with("LCM = ")) << last;
    const std::size_t equals = last.rfind(" = ");
    EXPECT_EQ(mpz_class(last.substr(equals + 3)), expected);
    if (equals > 3) {
        mpz_class product = 1;
        for (const mpz_class &piece : numbersIn(last.substr(6, equals - 6)))
            product *= piece;
        EXPECT_EQ(product, expected) << last;
    }
    if (!rungs.empty()) {
        mpz_class product = 1;
        for (const mpz_class &r : rungs)
            product *= r;
        for (const mpz_class &n : rows.back())
            product *= n;
        EXPECT_EQ(product, expected);
    }
}

TEST(LcmWorking, EveryRowDividedByItsRungGivesTheNextAndTheProductIsTheLcm)
{
    std::mt19937 random(8082026);
    std::uniform_int_distribution<int> size(1, 101);
    std::uniform_int_distribution<std::int32_t> any(1, INT32_MAX);
    for (int i = 0; i < 150; ++i) {
        std::vector<std::int32_t> values(static_cast<std::size_t>(i < 10 ? 1 + i : size(random)));
        for (std::int32_t &v : values) {
            v = i % 3 == 0 ? any(random) : smooth(random);
            if (random() % 5 == 0)
                v = -v;
        }
        SCOPED_TRACE("list " + std::to_string(i));
        expectReplayableTable(values, Texts().lcmWorking(lcmWorking(values)));
    }
}

TEST(PrimesWorking, CrossesOutTheMultiplesOfEachPrimeUpToTheSquareRoot)
{
    const struct {
        std::array<std::int32_t, 2> bounds;
        std::string text;
    } cases[] = {
        {{30, 20}, "Primes between 20 and 30\n\nCross out the multiples of 2: 20 22 24 26 28 30\n"
                   "Cross out the multiples of 3: 21 27\nCross out the multiples of 5: 25\n"
                   "7 x 7 = 49 is above 30: the numbers left are prime.\n\n2 primes: 23 29"},
        {{1, 10}, "Primes between 1 and 10\n\nCross out 1: it is not a prime number.\n"
                  "Cross out the multiples of 2: 4 6 8 10\nCross out the multiples of 3: 9\n"
                  "5 x 5 = 25 is above 10: the numbers left are prime.\n\n4 primes: 2 3 5 7"},
        {{2, 2}, "Primes between 2 and 2\n\n2 x 2 = 4 is above 2: the numbers left are prime.\n\n1 prime: 2"},
        {{1, 1}, "Primes between 1 and 1\n\nCross out 1: it is not a prime number.\n"
                 "2 x 2 = 4 is above 1: the numbers left are prime.\n\nNo primes."},
        {{24, 28}, "Primes between 24 and 28\n\nCross out the multiples of 2: 24 26 28\n"
                   "Cross out the multiples of 3: 27\nCross out the multiples of 5: 25\n"
                   "7 x 7 = 49 is above 28: the numbers left are prime.\n\nNo primes."},
        {{1, 1001}, "Primes between 1 and 1001\n\nThe sieve is shown for ranges of up to 1000 numbers.\n\n168 primes."},
    };
    for (const auto &c : cases) {
        const PrimesResult result{c.bounds, PrimeRange::primesBetween(c.bounds[0], c.bounds[1])};
        EXPECT_EQ(Texts().primesWorking(sieveWorking(result)), c.text) << c.bounds[0] << ".." << c.bounds[1];
    }
    // A range with no multiples of a small prime says so.
    EXPECT_NE(Texts().primesWorking(sieveWorking(121, 122)).find("Cross out the multiples of 7: none"), std::string::npos);
}

struct PictureTextCase {
    const char *name;
    std::string text;
    std::string expected;
};

std::string treeWords(std::int32_t n)
{
    return Texts().treeDescription(factorWorking(n));
}

// A formula as it looks: exponents in superscript digits, so a row reads as the picture does.
std::string shown(const Formula &formula)
{
    static const char *const raised[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string text;
    for (const FormulaRun &run : formula) {
        EXPECT_EQ(run.text.find('^'), std::string::npos) << run.text;
        for (const char c : run.text)
            text += run.kind == FormulaRun::Kind::Exponent ? std::string(raised[c - '0']) : std::string(1, c);
    }
    return text;
}

std::string joinedLines(const std::vector<std::string> &lines)
{
    std::string text;
    for (const std::string &line : lines)
        text += line + "|";
    return text;
}

std::string vennWords(std::vector<std::int32_t> values)
{
    return Texts().vennDescription(vennContents(values));
}

std::string gridWords(std::int32_t a, std::int32_t b)
{
    return Texts().gridDescription(sieveWorking(a, b));
}

std::string gridCaption(std::int32_t a, std::int32_t b)
{
    return Texts().gridCaption(sieveWorking(a, b));
}

TEST(PictureTexts, SayTheSumsAndThePictureInWords)
{
    const Texts texts;
    // Diagrams whose middle or whole is the factors named.
    const VennContents hcf23 = vennContents(std::vector<std::int32_t>{6, 6}), three = vennContents(std::vector<std::int32_t>{3, 3}),
                       none = vennContents(std::vector<std::int32_t>{1, 1}), lcm36 = vennContents(std::vector<std::int32_t>{4, 9}),
                       bigPrimes = vennContents(std::vector<std::int32_t>{2147483587, 2147483629, 2147483647}),
                       threeTwos = vennContents(std::vector<std::int32_t>{8, 9}), fourTwos = vennContents(std::vector<std::int32_t>{16, 3}),
                       fourTwosAlone = vennContents(std::vector<std::int32_t>{16, 16}),
                       thirtyTwos = vennContents(std::vector<std::int32_t>{2, 1073741824});
    const PictureTextCase cases[] = {
        {"HCF sum of two factors", shown(texts.hcfSum(hcf23)), "HCF = 2 x 3 = 6"},
        {"HCF sum of one factor", shown(texts.hcfSum(three)), "HCF = 3"},
        {"HCF sum of none", shown(texts.hcfSum(none)), "HCF = 1"},
        {"LCM sum", shown(texts.lcmSum(lcm36)), "LCM = 2 x 2 x 3 x 3 = 36"},
        {"LCM sum beyond 64 bits", shown(texts.lcmSum(bigPrimes)),
         "LCM = 2147483587 x 2147483629 x 2147483647 = 9903519940736477367306812281"},
        {"LCM sum of none", shown(texts.lcmSum(none)), "LCM = 1"},
        {"three repeats stay factors", shown(texts.lcmSum(threeTwos)), "LCM = 2 x 2 x 2 x 3 x 3 = 72"},
        {"four repeats make a power", shown(texts.lcmSum(fourTwos)), "LCM = 2⁴ x 3 = 48"},
        {"a power alone keeps its value", shown(texts.lcmSum(fourTwosAlone)), "LCM = 2⁴ = 16"},
        {"thirty repeats", shown(texts.lcmSum(thirtyTwos)), "LCM = 2³⁰ = 1073741824"},
        {"thirty repeats in words", texts.inWords(texts.lcmSum(thirtyTwos)), "LCM = 2 to the power 30 = 1073741824"},
        {"line under the tree of a prime", shown(texts.factorsPictureLine(factorWorking(97))), "97 is a prime number."},
        {"line under the tree below 2", shown(texts.factorsPictureLine(factorWorking(1))), "Only numbers above 1 have prime factors."},
        {"sign notes in the list's order, each number once", joinedLines(texts.signNotes(std::vector<std::int32_t>{-12, 18, -12, INT32_MIN})),
         "-12 is taken as 12.|-2147483648 is taken as 2147483648.|"},
        {"no sign notes without negatives", joinedLines(texts.signNotes(std::vector<std::int32_t>{0, 12})), ""},
        {"tree of 360", treeWords(360),
         "Factor tree of 360: 360 = 18 x 20; 18 = 3 x 6; 6 = 2 x 3; 20 = 4 x 5; 4 = 2 x 2; 360 = 2 to the power 3 x 3 to the power 2 x 5"},
        {"tree of a prime", treeWords(97), "Factor tree of 97: 97 is a prime number."},
        {"tree below 2: the notice", treeWords(1), "Only numbers above 1 have prime factors."},
        {"Venn of two", vennWords({12, 18}), "Venn diagram of 12 and 18: in 12 only: 2; in 12 and 18: 2, 3; in 18 only: 3"},
        {"Venn of three", vennWords({8, 12, 18}),
         "Venn diagram of 8, 12 and 18: in 8 only: 2; in 8 and 12: 2; in 8, 12 and 18: 2; in 12 and 18: 3; in 18 only: 3"},
        {"Venn of magnitudes, third region alone", vennWords({-5, 1, 7}),
         "Venn diagram of 5, 1 and 7: in 5 only: 5; in 7 only: 7"},
        {"Venn without factors", vennWords({1, -1}), "Venn diagram of 1 and 1: no prime factors"},
        {"Venn with a crowded region", vennWords({2, 1073741824}),
         "Venn diagram of 2 and 1073741824: in 2 and 1073741824: 2; in 1073741824 only: 2 to the power 29"},
        {"Venn with a 0: the notice", vennWords({12, 0}), "A Venn diagram is drawn for two or three numbers, none of them 0."},
        {"Venn of four: the notice", vennWords({2, 3, 4, 5}), "A Venn diagram is drawn for two or three numbers, none of them 0."},
        {"grid, bounds either way", gridWords(30, 20), "Grid of 20 to 30: the primes are 23, 29"},
        {"grid of one prime", gridWords(2, 2), "Grid of 2 to 2: the prime is 2"},
        {"grid without primes", gridWords(1, 1), "Grid of 1 to 1: no primes"},
        {"grid of 1000 numbers", gridWords(1000, 1).substr(0, 24), "Grid of 1 to 1000: the p"},
        {"grid of 1001 numbers: the notice", gridWords(1, 1001), "The grid is drawn for ranges of up to 1000 numbers."},
        {"grid caption, many primes", gridCaption(100, 1), "Primes between 1 and 100: 25 primes"},
        {"grid caption, one prime", gridCaption(2, 2), "Primes between 2 and 2: 1 prime"},
        {"grid caption, no primes", gridCaption(1, 1), "Primes between 1 and 1: 0 primes"},
    };
    for (const PictureTextCase &c : cases)
        EXPECT_EQ(c.text, c.expected) << c.name;
}

TEST(PictureTexts, TheLineUnderTheTreeRaisesExponentsAndUsesTheTimesSign)
{
    using enum FormulaRun::Kind;
    Phrases german;
    german.times = " · ";
    const struct {
        const char *name;
        Texts texts;
        std::string times;
    } cases[] = {{"English", Texts(), " x "}, {"a table whose times is a dot", Texts(german), " · "}};
    for (const auto &c : cases) {
        const Formula expected{{Number, "360"}, {Text, " = "}, {Number, "2"}, {Exponent, "3"}, {Text, c.times},
                               {Number, "3"},   {Exponent, "2"}, {Text, c.times}, {Number, "5"}};
        EXPECT_EQ(c.texts.factorsPictureLine(factorWorking(360)), expected) << c.name;
    }
}

// The tables of a working are exactly its ladder's rows: each row has its bar
// right after the label column, and no other line has one.
TEST(WorkingTables, AreTheLaddersRowsAndNothingElse)
{
    const struct {
        const char *name;
        WorkingText working;
        std::vector<WorkingTable> tables;
    } cases[] = {
        {"factors of 360", Texts().factorsSteps(factorWorking(360)), {{2, 7, 4}}},
        {"factors of a prime", Texts().factorsSteps(factorWorking(2147483647)), {{2, 2, 13}}},
        {"factors of 1: no ladder", Texts().factorsSteps(factorWorking(1)), {}},
        {"LCM of 4 6 10", Texts().lcmSteps(lcmWorking(std::vector<std::int32_t>{4, 6, 10})), {{2, 2, 4}}},
        {"LCM with a 0: no ladder", Texts().lcmSteps(lcmWorking(std::vector<std::int32_t>{0, 5})), {}},
        {"refused LCM", Texts().lcmSteps(lcmWorking(std::vector<std::int32_t>{})), {}},
    };
    for (const auto &c : cases) {
        ASSERT_EQ(c.working.tables.size(), c.tables.size()) << c.name;
        std::vector<std::string> lines;
        std::istringstream text(c.working.text);
        for (std::string line; std::getline(text, line);)
            lines.push_back(line);
        std::vector<bool> inTable(lines.size());
        for (std::size_t t = 0; t < c.tables.size(); ++t) {
            const WorkingTable &table = c.working.tables[t];
            EXPECT_EQ(table.firstLine, c.tables[t].firstLine) << c.name;
            EXPECT_EQ(table.rows, c.tables[t].rows) << c.name;
            EXPECT_EQ(table.labelWidth, c.tables[t].labelWidth) << c.name;
            for (std::size_t row = table.firstLine; row < table.firstLine + table.rows && row < lines.size(); ++row) {
                inTable[row] = true;
                EXPECT_EQ(lines[row].substr(table.labelWidth - 3, 3), " | ") << c.name << ": " << lines[row];
            }
        }
        for (std::size_t line = 0; line < lines.size(); ++line) {
            if (!inTable[line]) {
                EXPECT_EQ(lines[line].find(" | "), std::string::npos) << c.name << ": " << lines[line];
            }
        }
    }
}

} // namespace
