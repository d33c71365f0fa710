#include "Factorizer.h"
#include "Hcf.h"
#include "InputReader.h"
#include "LcmLadder.h"
#include "PrimeRange.h"
#include "Texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace numbers;

namespace {

std::vector<std::int32_t> read(const std::string &text)
{
    const Reading reading = InputReader::read(text);
    EXPECT_TRUE(reading.status.isOk()) << text;
    return {reading.list.values().begin(), reading.list.values().end()};
}

TEST(Factorization, ShowsThePrimeFactorsOfTheFirstNumber)
{
    const struct {
        const char *text;
        std::int32_t number;
        std::string shown;
    } cases[] = {
        {"12", 12, " 2 x 2 x 3"},
        {"97", 97, " 97"},
        {"2", 2, " 2"},
        {"360 7", 360, " 2 x 2 x 2 x 3 x 3 x 5"},
        {"2147483646", 2147483646, " 2 x 3 x 3 x 7 x 11 x 31 x 151 x 331"},
        {"2147483647", 2147483647, " 2147483647"},
        {"2146654199", 2146654199, " 46327 x 46337"},
        {"2147395600", 2147395600, " 2 x 2 x 2 x 2 x 5 x 5 x 7 x 7 x 331 x 331"},
        {"1", 1, "1"},
        {"0", 0, "1"},
        {"-12", -12, "1"},
        {"-2147483648", INT32_MIN, "1"},
        {"2.5", 2, " 2"},
    };
    for (const auto &c : cases) {
        const FactorResult result = Factorizer::ofFirst(read(c.text));
        ASSERT_TRUE(result.status.isOk()) << c.text;
        EXPECT_EQ(result.number, c.number) << c.text;
        EXPECT_EQ(Texts().factorsCaption(result), c.shown) << c.text;
    }
}

TEST(Factorization, HandlesTheMostFactorsAndTheEmptyList)
{
    const FactorResult most = Factorizer::ofFirst(read("1073741824"));
    EXPECT_EQ(most.factors, std::vector<std::int32_t>(30, 2));

    std::string eighteenTwos = " 2";
    for (int i = 0; i < 17; ++i)
        eighteenTwos += " x 2";
    EXPECT_EQ(Texts().factorsCaption(Factorizer::ofFirst(read("262144 16"))), eighteenTwos);

    EXPECT_EQ(Texts().refusal(Factorizer::ofFirst({}).status), "Enter at least one number.");
}

TEST(Hcf, FoldsOverTheMagnitudes)
{
    const struct {
        const char *text;
        std::int64_t hcf;
    } cases[] = {
        {"262144 16", 16}, {"12 18 30", 6}, {"100 75 50", 25}, {"12 8", 4}, {"4 9 12", 1}, {"9 6 4", 1},
        {"36 36 4", 4}, {"1 1", 1}, {"7 0", 7}, {"0 7", 7}, {"0 0", 0}, {"-4 0", 4}, {"0 -4", 4},
        {"-4 6", 2}, {"6 -4", 2}, {"-4 -6", 2}, {"-5 -3", 1}, {"5 -3", 1}, {"0 0 12 18", 6},
        {"-2147483648 0", 2147483648}, {"-2147483648 -2147483648", 2147483648}, {"2147483647 2147483647", 2147483647},
    };
    for (const auto &c : cases) {
        const HcfResult result = Hcf::of(read(c.text));
        ASSERT_TRUE(result.status.isOk()) << c.text;
        EXPECT_EQ(result.value, c.hcf) << c.text;
    }
}

TEST(Hcf, NeedsTwoNumbers)
{
    for (const char *text : {"", "5", "   5   "})
        EXPECT_EQ(Texts().refusal(Hcf::of(read(text)).status), "You must have two numbers to Find HCF.") << text;
}

TEST(LcmLadder, ClimbsTheLadderOfSharedDivisors)
{
    const struct {
        const char *text;
        std::int64_t lcm;
        std::string shown;
    } cases[] = {
        {"262144 16", 262144, " 2 x 4 x 2 x 16384"},
        {"4 6 8", 24, " 2 x 2 x 3 x 2"},
        {"12 18 30", 180, " 2 x 3 x 2 x 3 x 5"},
        {"100 75 50", 300, " 2 x 5 x 5 x 2 x 3"},
        {"8 8 8", 8, " 2 x 4"},
        {"2 3", 6, " 2 x 3"},
        {"36 36 4", 36, " 2 x 3 x 2 x 3"},
        {"4 4 9", 36, " 2 x 2 x 9"},
        {"4 8 8", 8, " 2 x 2 x 2"},
        {"-4 6", 12, " 2 x 2 x 3"},
        {"-5 -3", 15, " 5 x 3"},
        {"5", 5, " 5"},
        {"1", 1, "1"},
        {"1 1", 1, "1"},
        {"65536 65537", 4295032832, " 65536 x 65537"},
        {"65537 131074", 131074, " 65537 x 2"},
        {"0 5", 0, " 0"},
        {"0 0", 0, " 0"},
        {"0 0 200", 0, " 0"},
        {"-2147483648 2147483647", 4611686016279904256, " 2147483648 x 2147483647"},
    };
    for (const auto &c : cases) {
        const LcmResult result = LcmLadder::of(read(c.text));
        ASSERT_TRUE(result.status.isOk()) << c.text;
        EXPECT_EQ(Texts().lcmCaption(result), "LCM = " + std::to_string(c.lcm)) << c.text;
        EXPECT_EQ(Texts().lcmFactorsCaption(result), "LCM Factors: " + c.shown) << c.text;
    }
}

TEST(LcmLadder, RefusesNothingToWorkOnAndGivesEveryDigitBeyond64Bits)
{
    EXPECT_EQ(Texts().refusal(LcmLadder::of({}).status), "Enter at least one number.");
    const struct {
        const char *text;
        const char *lcm;
    } cases[] = {
        {"2147483647 2147483646 2147483645", "9903520286612926112250986490"},
        {"65537 65539 65543 65551 65557", "1209793025460292371945943"},
    };
    for (const auto &c : cases) {
        const LcmResult result = LcmLadder::of(read(c.text));
        ASSERT_TRUE(result.status.isOk()) << c.text;
        EXPECT_EQ(result.value.decimal(), c.lcm) << c.text;
    }
}

TEST(PrimeRange, ListsThePrimesBetweenTheBoundsInEitherOrder)
{
    const struct {
        std::int32_t a, b;
        std::vector<std::int32_t> primes;
    } cases[] = {
        {1, 10, {2, 3, 5, 7}}, {10, 1, {2, 3, 5, 7}}, {1, 1, {}}, {4, 4, {}}, {2, 2, {2}}, {3, 3, {3}},
        {20, 30, {23, 29}}, {224990, 225001, {224993}}, {0, 3, {2, 3}}, {-5, 2, {2}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PrimeRange::primesBetween(c.a, c.b), c.primes) << c.a << ".." << c.b;

    const std::vector<std::int32_t> widest = PrimeRange::primesBetween(225000, 1);
    EXPECT_EQ(widest.size(), 20020u);
    EXPECT_EQ(widest.front(), 2);
    EXPECT_EQ(widest.back(), 224993);
    EXPECT_EQ(PrimeRange::primesBetween(INT32_MIN, INT32_MAX), PrimeRange::primesBetween(1, 225001));
}

TEST(PrimeRange, CountCaptionUsesOneWordForEveryCount)
{
    EXPECT_EQ(Texts().primeCountCaption({{1, 1}, {}}), "0 Primes");
    EXPECT_EQ(Texts().primeCountCaption({{2, 2}, {2}}), "1 Primes");
    EXPECT_EQ(Texts().primeCountCaption({{1, 225000}, PrimeRange::primesBetween(1, 225000)}), "20020 Primes");
}

TEST(Texts, ElapsedTimeRoundsHalvesAwayFromZeroBeforeTheCommandsWords)
{
    const struct {
        double milliseconds;
        Command command;
        const char *shown;
    } cases[] = {
        {15.625, Command::Factors, "16 ms (Factor)"}, {0.4, Command::Hcf, "0 ms (HCF)"},
        {2.5, Command::Lcm, "3 ms (LCM)"},            {-1.5, Command::Primes, "-2 ms (Prime)"},
        {-0.4, Command::Hcf, "0 ms (HCF)"},           {-86399999.6, Command::Lcm, "-86400000 ms (LCM)"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Texts().elapsedCaption(c.command, c.milliseconds), c.shown) << c.milliseconds;
}

} // namespace
