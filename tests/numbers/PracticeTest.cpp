// Practice: every verdict of the issue in every notation a pupil writes, the
// generator's level rules over many seeds, and the first and last hint steps.
#include "Practice.h"
#include "PrimeTable.h"
#include "Texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>

using namespace numbers;

namespace {

const Texts english;

Question factorsOf(std::uint32_t n) { return {PracticeKind::PrimeFactors, {n}}; }
Question hcfOf(std::vector<std::uint32_t> n) { return {PracticeKind::Hcf, std::move(n)}; }
Question lcmOf(std::vector<std::uint32_t> n) { return {PracticeKind::Lcm, std::move(n)}; }
Question primeOrNot(std::uint32_t n) { return {PracticeKind::PrimeOrNot, {n}}; }

struct AnswerRow {
    const char *name;
    Question question;
    const char *answer;
    const char *verdict;
};

class VerdictTest : public testing::TestWithParam<AnswerRow> {};

TEST_P(VerdictTest, SaysWhatIsWrong)
{
    const AnswerRow &row = GetParam();
    const Verdict verdict = Practice::check(row.question, row.answer, "premier");
    EXPECT_EQ(english.verdictText(verdict), row.verdict);
    EXPECT_EQ(verdict.isRight(), std::string_view(row.verdict).starts_with("Right!"));
}

const char *const right360 = "Right! 360 = 2^3 x 3^2 x 5";

INSTANTIATE_TEST_SUITE_P(Practice, VerdictTest, testing::Values(
    // Prime factors: every notation of one right answer.
    AnswerRow{"TimesLetter", factorsOf(360), "2 x 2 x 2 x 3 x 3 x 5", right360},
    AnswerRow{"CapitalX", factorsOf(360), "2X2X2X3X3X5", right360},
    AnswerRow{"Asterisks", factorsOf(360), "2*2*2*3*3*5", right360},
    AnswerRow{"TimesSign", factorsOf(360), "2 \u00D7 2 \u00D7 2 \u00D7 3 \u00D7 3 \u00D7 5", right360},
    AnswerRow{"MiddleDots", factorsOf(360), "2\u00B72\u00B72\u00B73\u00B73\u00B75", right360},
    AnswerRow{"FullStops", factorsOf(360), "2.2.2.3.3.5", right360},
    AnswerRow{"FullStopsBetweenPowers", factorsOf(360), "2^3 . 3^2 . 5", right360},
    AnswerRow{"RaisedExponentsWithoutSigns", factorsOf(360), "2\u00B33\u00B25", right360},
    AnswerRow{"Blanks", factorsOf(360), "2 2 2 3 3 5", right360},
    AnswerRow{"Carets", factorsOf(360), "2^3 x 3^2 x 5", right360},
    AnswerRow{"Superscripts", factorsOf(360), "2\u00B3 \u00D7 3\u00B2 \u00D7 5", right360},
    AnswerRow{"PrimeRepeatedAcrossPowers", factorsOf(360), "2^2 x 2 x 3^2 x 5", right360},
    AnswerRow{"AnyOrder", factorsOf(360), "5 x 3^2 x 2^3", right360},
    AnswerRow{"LeadingNumber", factorsOf(360), "360 = 2^3 x 3^2 x 5", right360},
    AnswerRow{"BlanksAnywhere", factorsOf(360), "  2 ^ 3x3 ^2 x  5 ", right360},
    AnswerRow{"FullWidthDigits", factorsOf(360), "\uFF12\uFF3E\uFF13 x \uFF13\uFF3E\uFF12 x \uFF15", right360},
    AnswerRow{"ArabicIndicDigits", factorsOf(360), "\u0662^\u0663 x \u0663^\u0662 x \u0665", right360},
    AnswerRow{"DevanagariDigits", factorsOf(360), "\u0968^\u0969 x \u0969^\u0968 x \u096B", right360},
    // Prime factors: the reasons.
    AnswerRow{"FactorOne", factorsOf(360), "1 x 2^3 x 3^2 x 5", "1 is not a prime number."},
    AnswerRow{"FactorNotPrime", factorsOf(360), "2^3 x 9 x 5", "9 is not prime: 9 = 3 x 3."},
    AnswerRow{"FactorNotPrimeSmallestSplit", factorsOf(360), "12 x 30", "12 is not prime: 12 = 2 x 6."},
    AnswerRow{"WrongProduct", factorsOf(360), "2^2 x 3^2 x 5", "These multiply to 180, not 360."},
    AnswerRow{"ProductBeyond64Bits", factorsOf(360), "2^999 x 3", "These multiply to far more than 360."},
    AnswerRow{"LeadingNumberDiffers", factorsOf(360), "300 = 2^3 x 3^2 x 5", "2^3 x 3^2 x 5 is not 300."},
    // HCF of 12 and 18; of 12, 18 and 30.
    AnswerRow{"HcfRight", hcfOf({12, 18}), "6", "Right! HCF = 6"},
    AnswerRow{"HcfProductTakenAsValue", hcfOf({12, 18}), "2 x 3", "Right! HCF = 6"},
    AnswerRow{"HcfEqualsValue", hcfOf({12, 18}), "2 \u00D7 3 = 6", "Right! HCF = 6"},
    AnswerRow{"HcfSidesDiffer", hcfOf({12, 18}), "2 x 3 = 7", "2 x 3 is not 7."},
    AnswerRow{"HcfNotAFactor", hcfOf({24, 18}), "8", "8 is not a factor of 18."},
    AnswerRow{"HcfNotAFactorFirstInOrder", hcfOf({12, 18, 30}), "9", "9 is not a factor of 12."},
    AnswerRow{"HcfCommonNotHighest", hcfOf({12, 18, 30}), "3", "3 is a common factor, but not the highest."},
    AnswerRow{"HcfArabicIndic", hcfOf({12, 18, 30}), "\u0666", "Right! HCF = 6"},
    // LCM of 12 and 18 (36).
    AnswerRow{"LcmRight", lcmOf({12, 18}), "36", "Right! LCM = 36"},
    AnswerRow{"LcmPowers", lcmOf({12, 18}), "2\u00B2\u00B73\u00B2", "Right! LCM = 36"},
    AnswerRow{"LcmNotAMultiple", lcmOf({12, 18}), "40", "40 is not a multiple of 12."},
    AnswerRow{"LcmCommonNotLowest", lcmOf({12, 18}), "144", "144 is a common multiple, but not the lowest."},
    AnswerRow{"LcmSidesDiffer", lcmOf({4, 6}), "2*6 = 14", "2 x 6 is not 14."},
    // Prime or not.
    AnswerRow{"PrimeWord", primeOrNot(97), "prime", "Right! 97 is a prime number."},
    AnswerRow{"PrimeWordAnyCase", primeOrNot(97), " PRIME ", "Right! 97 is a prime number."},
    AnswerRow{"LanguagesWordAnyCase", primeOrNot(97), "Premier", "Right! 97 is a prime number."},
    AnswerRow{"CompositeCalledPrime", primeOrNot(91), "Prime", "91 is not prime: it has a factor other than 1 and itself."},
    AnswerRow{"CompositeSplit", primeOrNot(91), "7 x 13", "Right! 91 = 7 x 13"},
    AnswerRow{"CompositeSplitWithNumber", primeOrNot(91), "91 = 13*7", "Right! 91 = 13 x 7"},
    AnswerRow{"ProductForAPrime", primeOrNot(97), "7 x 13", "7 x 13 = 91, not 97."},
    AnswerRow{"ProductNotN", primeOrNot(91), "7\u00B714", "7 x 14 = 98, not 91."},
    AnswerRow{"ProductUsingOne", primeOrNot(97), "1 x 97", "Use numbers above 1."},
    AnswerRow{"OneNumberOnly", primeOrNot(91), "91", "Write \"prime\", or write 91 as a product of two smaller numbers."},
    // Anything else.
    AnswerRow{"Letter", factorsOf(360), "2y3", "I can't read \"2y3\"."},
    AnswerRow{"NothingTyped", factorsOf(360), " \t ", "Type your answer first."},
    AnswerRow{"OnlyAnEquals", hcfOf({12, 18}), "= 6", "I can't read \"= 6\"."},
    AnswerRow{"LetterInHcf", hcfOf({12, 18}), "2 x 3 = six", "I can't read \"six\"."},
    AnswerRow{"FullStopAtTheEnd", hcfOf({12, 18}), "6.", "I can't read \"6.\"."},
    AnswerRow{"TrailingTimes", factorsOf(360), "2^3 x", "I can't read \"2^3 x\"."},
    AnswerRow{"CaretWithoutExponent", lcmOf({4, 6}), "2^ x 3", "I can't read \"2^\"."},
    AnswerRow{"PrimeWordForHcf", hcfOf({12, 18}), "prime", "I can't read \"prime\"."},
    AnswerRow{"TwoEquals", hcfOf({12, 18}), "6=6=6", "I can't read \"6=6=6\"."},
    AnswerRow{"HugeNumber", hcfOf({12, 18}), "123456789012", "\"123456789012\" is too big for this question."},
    AnswerRow{"HugeExponent", factorsOf(360), "2^123456", "\"2^123456\" is too big for this question."}),
    [](const testing::TestParamInfo<AnswerRow> &info) { return std::string(info.param.name); });

struct WordRow {
    const char *name;
    const char *primeWord; // the language's word
    const char *answer;    // as a pupil types it
};

class PrimeWordTest : public testing::TestWithParam<WordRow> {};

// The language's word for prime is read in any letter case, with or without
// the accents capitals drop, and in the letter forms keyboards give.
TEST_P(PrimeWordTest, IsReadAsTyped)
{
    EXPECT_TRUE(Practice::check(primeOrNot(97), GetParam().answer, GetParam().primeWord).isRight());
}

INSTANTIATE_TEST_SUITE_P(Practice, PrimeWordTest, testing::Values(
    WordRow{"PolishCapitalL", "\u0142", "\u0141"},
    WordRow{"CzechCapitalZ", "\u017Ar", "\u0179R"},
    WordRow{"VietnameseCapitals", "nguy\u00EAn t\u1ED1", "NGUY\u00CAN T\u1ED0"},
    WordRow{"VietnameseTwoBlanks", "nguy\u00EAn t\u1ED1", "nguy\u00EAn  t\u1ED1"},
    WordRow{"GreekCapitals", "\u03C0\u03C1\u03CE\u03C4\u03BF\u03C2", "\u03A0\u03A1\u03A9\u03A4\u039F\u03A3"},
    WordRow{"GreekWithoutAccent", "\u03C0\u03C1\u03CE\u03C4\u03BF\u03C2", "\u03C0\u03C1\u03C9\u03C4\u03BF\u03C2"},
    WordRow{"ArabicWithoutHamza", "\u0623\u0648\u0644\u064A", "\u0627\u0648\u0644\u064A"},
    WordRow{"PersianYeh", "\u0627\u0648\u0644\u06CC", "\u0627\u0648\u0644\u064A"}),
    [](const testing::TestParamInfo<WordRow> &info) { return std::string(info.param.name); });

TEST(PracticeReading, OtherWordsAreNotThePrimeWord)
{
    // "ł" is not "Ń", nor is one word two.
    EXPECT_FALSE(Practice::check(primeOrNot(97), "\u0143", "\u0142").isRight());
    EXPECT_FALSE(Practice::check(primeOrNot(97), "nguy\u00EAnt\u1ED1", "nguy\u00EAn t\u1ED1").isRight());
}

TEST(PracticeReading, LongAnswersAreRefusedQuickly)
{
    const std::string thousands(100000, '2');
    EXPECT_EQ(Practice::check(factorsOf(360), thousands, "prime").reason, VerdictReason::TooBig);
    std::string products;
    for (int i = 0; i < 150; ++i)
        products += "7^99x";
    products += "7";
    EXPECT_EQ(english.verdictText(Practice::check(primeOrNot(97), products, "prime")).substr(0, 8), "7^99 x 7");
}

// ---------------------------------------------------------------- the generator

struct LevelRow {
    PracticeKind kind;
    int level;
    std::uint32_t low, high;
    std::size_t fewest, most; // numbers in a question
};

bool isPrime(std::uint32_t n) { return PrimeTable::instance().factors(n).size() == 1; }

// The level's own rule, written from the table of levels.
bool fitsLevel(const LevelRow &row, const Question &q)
{
    const auto &n = q.numbers;
    if (q.kind != row.kind || n.size() < row.fewest || n.size() > row.most)
        return false;
    std::uint64_t h = 0, l = 1;
    for (const std::uint32_t x : n) {
        if (x < row.low || x > row.high || std::count(n.begin(), n.end(), x) > 1)
            return false;
        h = std::gcd(h, std::uint64_t{x});
        l = std::lcm(l, std::uint64_t{x});
    }
    const std::vector<std::uint32_t> f = PrimeTable::instance().factors(n[0]);
    switch (q.kind) {
    case PracticeKind::PrimeFactors:
        return f.size() >= (row.level == 1 ? 2u : 3u) && f.back() <= (row.level == 1 ? 7u : row.level == 2 ? 13u : 23u);
    case PracticeKind::Hcf:
        return h >= 2;
    case PracticeKind::Lcm:
        return l <= (row.level == 1 ? 100u : row.level == 2 ? 1000u : 10000u);
    case PracticeKind::PrimeOrNot:
        break;
    }
    return true;
}

// How many different questions of one number the row allows, when wanted tells them apart.
std::size_t singleNumberQuestions(const LevelRow &row, bool (*wanted)(std::uint32_t))
{
    std::size_t count = 0;
    for (std::uint32_t x = row.low; x <= row.high; ++x)
        count += fitsLevel(row, {row.kind, {x}}) && wanted(x);
    return count;
}

std::string levelRowName(const testing::TestParamInfo<LevelRow> &info)
{
    static const char *const kinds[] = {"PrimeFactors", "Hcf", "Lcm", "PrimeOrNot"};
    return std::string(kinds[static_cast<int>(info.param.kind)]) + "Level" + std::to_string(info.param.level);
}

class LevelTest : public testing::TestWithParam<LevelRow> {};

TEST_P(LevelTest, EveryRoundKeepsTheLevelsRules)
{
    const LevelRow row = GetParam();
    for (std::uint64_t seed = 0; seed < 60; ++seed) {
        const std::vector<Question> round = Practice::round(seed, static_cast<PracticeChoice>(row.kind), row.level, seed % 4);
        ASSERT_EQ(round.size(), 10u);
        std::set<std::vector<std::uint32_t>> seen;
        int primes = 0, traps = 0;
        for (const Question &q : round) {
            EXPECT_TRUE(fitsLevel(row, q)) << "seed " << seed;
            std::vector<std::uint32_t> key = q.numbers;
            std::sort(key.begin(), key.end());
            EXPECT_TRUE(seen.insert(key).second) << "seed " << seed << " repeats a question";
            if (row.kind == PracticeKind::PrimeOrNot) {
                const std::uint32_t smallest = PrimeTable::instance().factors(q.numbers[0]).front();
                primes += isPrime(q.numbers[0]);
                traps += !isPrime(q.numbers[0]) && (row.level == 2 ? smallest > 5 : smallest >= 7 && smallest <= 31);
            }
        }
        if (row.kind == PracticeKind::PrimeOrNot) {
            EXPECT_EQ(primes, 5) << "seed " << seed;
            EXPECT_GE(traps, row.level > 1 ? 3 : 0) << "seed " << seed;
        }
        EXPECT_EQ(round, Practice::round(seed, static_cast<PracticeChoice>(row.kind), row.level, seed % 4));
    }
}

TEST_P(LevelTest, SheetRepeatsOnlyWhenTheLevelIsUsedUp)
{
    const LevelRow row = GetParam();
    const std::vector<PracticeKind> kinds{row.kind};
    const std::vector<Question> sheet = Practice::sheet(7, kinds, row.level, 60);
    std::set<std::vector<std::uint32_t>> seen;
    for (const Question &q : sheet) {
        EXPECT_TRUE(fitsLevel(row, q));
        std::vector<std::uint32_t> key = q.numbers;
        std::sort(key.begin(), key.end());
        seen.insert(key);
    }
    // Half of the "prime or not" questions are prime; a small level repeats once it is used up.
    std::size_t expected = 60;
    if (row.kind == PracticeKind::PrimeFactors)
        expected = std::min<std::size_t>(60, singleNumberQuestions(row, [](std::uint32_t) { return true; }));
    if (row.kind == PracticeKind::PrimeOrNot)
        expected = std::min<std::size_t>(30, singleNumberQuestions(row, isPrime)) +
                   std::min<std::size_t>(30, singleNumberQuestions(row, [](std::uint32_t x) { return !isPrime(x); }));
    EXPECT_EQ(seen.size(), expected);
}

INSTANTIATE_TEST_SUITE_P(Practice, LevelTest, testing::Values(
    LevelRow{PracticeKind::PrimeFactors, 1, 4, 100, 1, 1}, LevelRow{PracticeKind::PrimeFactors, 2, 50, 1000, 1, 1},
    LevelRow{PracticeKind::PrimeFactors, 3, 500, 10000, 1, 1}, LevelRow{PracticeKind::Hcf, 1, 2, 50, 2, 2},
    LevelRow{PracticeKind::Hcf, 2, 10, 200, 2, 3}, LevelRow{PracticeKind::Hcf, 3, 10, 500, 3, 3},
    LevelRow{PracticeKind::Lcm, 1, 2, 20, 2, 2}, LevelRow{PracticeKind::Lcm, 2, 2, 50, 2, 3},
    LevelRow{PracticeKind::Lcm, 3, 5, 100, 3, 3}, LevelRow{PracticeKind::PrimeOrNot, 1, 2, 100, 1, 1},
    LevelRow{PracticeKind::PrimeOrNot, 2, 50, 400, 1, 1}, LevelRow{PracticeKind::PrimeOrNot, 3, 200, 2000, 1, 1}),
    levelRowName);

TEST(PracticeRounds, MixedDrawsTheKindsInTurnAndRoundsDiffer)
{
    const std::vector<Question> round = Practice::round(5, PracticeChoice::Mixed, 2, 0);
    for (std::size_t i = 0; i < round.size(); ++i)
        EXPECT_EQ(round[i].kind, static_cast<PracticeKind>(i % 4));
    EXPECT_NE(round, Practice::round(5, PracticeChoice::Mixed, 2, 1));
    EXPECT_NE(round, Practice::round(6, PracticeChoice::Mixed, 2, 0));
}

// ---------------------------------------------------------------- hints and the other texts

struct HintRow {
    const char *name;
    Question question;
    const char *first;
    const char *last;
};

class HintTest : public testing::TestWithParam<HintRow> {};

TEST_P(HintTest, FirstAndLastSteps)
{
    const std::vector<HintStep> steps = Practice::hints(GetParam().question);
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(english.hintLine(steps.front()), GetParam().first);
    EXPECT_EQ(english.hintLine(steps.back()), GetParam().last);
}

INSTANTIATE_TEST_SUITE_P(Practice, HintTest, testing::Values(
    HintRow{"FactorsLadder", factorsOf(360), "360 \u00F7 2 = 180", "360 = 2^3 x 3^2 x 5"},
    HintRow{"HcfEuclid", hcfOf({12, 18}), "18 = 1 x 12 + 6", "HCF = 6"},
    HintRow{"HcfOfThree", hcfOf({12, 18, 30}), "18 = 1 x 12 + 6", "HCF = 6"},
    HintRow{"LcmLadder", lcmOf({4, 6, 10}), "2 | 4  6  10", "LCM = 60"},
    HintRow{"PrimeOrNotComposite", primeOrNot(91), "Try the primes up to \u221A91: 2, 3, 5, 7", "91 = 7 x 13: 91 is not prime."},
    HintRow{"PrimeOrNotPrime", primeOrNot(97), "Try the primes up to \u221A97: 2, 3, 5, 7", "97 is a prime number."},
    HintRow{"PrimeOrNotTwo", primeOrNot(2), "No prime is at most \u221A2.", "2 is a prime number."}),
    [](const testing::TestParamInfo<HintRow> &info) { return std::string(info.param.name); });

TEST(PracticeHints, MiddleStepsOfTheLadderTheFoldAndTheTrials)
{
    const std::vector<HintStep> lcm = Practice::hints(lcmOf({4, 6, 10}));
    EXPECT_EQ(english.hintLine(lcm[lcm.size() - 2]), "What remains: 2  3  5");
    const std::vector<HintStep> three = Practice::hints(hcfOf({84, 126, 210}));
    EXPECT_EQ(english.hintLine(three[2]), "HCF(84, 126) = 42");
    const std::vector<HintStep> trials = Practice::hints(primeOrNot(91));
    EXPECT_EQ(english.hintLine(trials[1]), "91 \u00F7 2 = 45 r 1");
    EXPECT_EQ(trials.size(), 1u + 4u + 1u);
}

struct TextRow {
    const char *name;
    std::string text;
    const char *expected;
};

class PracticeTextTest : public testing::TestWithParam<TextRow> {};

TEST_P(PracticeTextTest, ReadsAsWritten) { EXPECT_EQ(GetParam().text, GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Practice, PracticeTextTest, testing::Values(
    TextRow{"Factors", english.questionText(factorsOf(360)), "Write 360 as a product of prime factors."},
    TextRow{"HcfOfTwo", english.questionText(hcfOf({12, 18})), "Find the HCF of 12 and 18."},
    TextRow{"HcfOfThree", english.questionText(hcfOf({12, 18, 30})), "Find the HCF of 12, 18 and 30."},
    TextRow{"LcmOfTwo", english.questionText(lcmOf({4, 6})), "Find the LCM of 4 and 6."},
    TextRow{"LcmOfThree", english.questionText(lcmOf({4, 6, 10})), "Find the LCM of 4, 6 and 10."},
    TextRow{"PrimeOrNot", english.questionText(primeOrNot(91)), "Is 91 a prime number? If not, write it as a product of two smaller numbers."},
    TextRow{"Score", english.scoreText(3, 10, 2), "Question 3 of 10 \u00B7 2 right first time"},
    TextRow{"RoundOver", english.roundOverText(8, 10, 252), "Round over: 8 of 10 right first time in 4 min 12 s."},
    TextRow{"RoundOverInSeconds", english.roundOverText(10, 10, 59), "Round over: 10 of 10 right first time in 59 s."}),
    [](const testing::TestParamInfo<TextRow> &info) { return std::string(info.param.name); });

} // namespace
