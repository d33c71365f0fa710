// Worksheets: the option readers, and the answer key checked against the cores.

#include "Factorizer.h"
#include "Hcf.h"
#include "LcmLadder.h"
#include "Texts.h"
#include "Worksheet.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <sstream>
#include <string>

using namespace numbers;

namespace {

// ---- The option readers ------------------------------------------------------

struct OptionRow {
    const char *name;
    const char *text;
    // The value read, or -1 for a refusal (for the seed: the value's decimal, or "").
    long long level;
    long long count;
    const char *seed;
};

class OptionReading : public testing::TestWithParam<OptionRow> {};

TEST_P(OptionReading, ReadsOrRefuses)
{
    const OptionRow &row = GetParam();
    const std::optional<int> level = Worksheet::readLevel(row.text);
    const std::optional<int> count = Worksheet::readCount(row.text);
    const std::optional<std::uint64_t> seed = Worksheet::readSeed(row.text);
    EXPECT_EQ(level ? *level : -1, row.level);
    EXPECT_EQ(count ? *count : -1, row.count);
    EXPECT_EQ(seed ? std::to_string(*seed) : std::string(), row.seed);
}

INSTANTIATE_TEST_SUITE_P(Worksheet, OptionReading, testing::Values(
    OptionRow{"zero_is_only_a_seed", "0", -1, -1, "0"},
    OptionRow{"one_is_every_lowest", "1", 1, 1, "1"},
    OptionRow{"three_is_the_highest_level", "3", 3, 3, "3"},
    OptionRow{"four_is_past_the_levels", "4", -1, 4, "4"},
    OptionRow{"sixty_questions_at_most", "60", -1, 60, "60"},
    OptionRow{"sixty_one_is_too_many", "61", -1, -1, "61"},
    OptionRow{"blanks_around", " 2", -1, -1, ""},
    OptionRow{"largest_seed", "18446744073709551615", -1, -1, "18446744073709551615"},
    OptionRow{"one_past_the_largest_seed", "18446744073709551616", -1, -1, ""},
    OptionRow{"negative", "-1", -1, -1, ""},
    OptionRow{"plus_sign", "+2", -1, -1, ""},
    OptionRow{"fraction", "2.5", -1, -1, ""},
    OptionRow{"letters_after_digits", "2x", -1, -1, ""},
    OptionRow{"blank_inside", "1 2", -1, -1, ""},
    OptionRow{"empty", "", -1, -1, ""},
    OptionRow{"hexadecimal", "0x10", -1, -1, ""}),
    [](const testing::TestParamInfo<OptionRow> &info) { return std::string(info.param.name); });

struct KindsRow {
    const char *name;
    const char *text;
    std::optional<std::vector<PracticeKind>> kinds;
};

class KindsReading : public testing::TestWithParam<KindsRow> {};

TEST_P(KindsReading, ReadsOrRefuses)
{
    EXPECT_EQ(Worksheet::readKinds(GetParam().text), GetParam().kinds);
}

using K = PracticeKind;
INSTANTIATE_TEST_SUITE_P(Worksheet, KindsReading, testing::Values(
    KindsRow{"all_four", "factors,hcf,lcm,prime", std::vector{K::PrimeFactors, K::Hcf, K::Lcm, K::PrimeOrNot}},
    KindsRow{"any_order_gives_the_turn_order", "prime,lcm", std::vector{K::Lcm, K::PrimeOrNot}},
    KindsRow{"one_kind", "hcf", std::vector{K::Hcf}},
    KindsRow{"blanks_around_names", " factors , hcf ", std::vector{K::PrimeFactors, K::Hcf}},
    KindsRow{"a_kind_twice_counts_once", "lcm,lcm", std::vector{K::Lcm}},
    KindsRow{"unknown_kind", "factors,gcd", std::nullopt},
    KindsRow{"names_are_lower_case", "HCF", std::nullopt},
    KindsRow{"empty_name_between_commas", "hcf,,lcm", std::nullopt},
    KindsRow{"trailing_comma", "hcf,", std::nullopt},
    KindsRow{"nothing", "", std::nullopt}),
    [](const testing::TestParamInfo<KindsRow> &info) { return std::string(info.param.name); });

// ---- The answer key --------------------------------------------------------------

struct KeyRow {
    const char *name;
    Question question;
    const char *line; // the plain answer line
};

class KeyLine : public testing::TestWithParam<KeyRow> {};

TEST_P(KeyLine, WritesTheSchoolForm)
{
    const Question questions[] = {GetParam().question};
    const WorksheetText sheet = Texts().worksheet({}, questions);
    ASSERT_EQ(sheet.items.size(), 1U);
    EXPECT_EQ(Texts().plainLine(sheet.items[0].answer), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(Worksheet, KeyLine, testing::Values(
    KeyRow{"factors", {K::PrimeFactors, {360}}, "360 = 2^3 x 3^2 x 5"},
    KeyRow{"hcf_of_two", {K::Hcf, {12, 18}}, "12 = 2^2 x 3, 18 = 2 x 3^2, HCF = 2 x 3 = 6"},
    KeyRow{"hcf_a_prime_power", {K::Hcf, {8, 12}}, "8 = 2^3, 12 = 2^2 x 3, HCF = 2^2 = 4"},
    KeyRow{"hcf_one_prime", {K::Hcf, {21, 90, 42}}, "21 = 3 x 7, 90 = 2 x 3^2 x 5, 42 = 2 x 3 x 7, HCF = 3"},
    KeyRow{"lcm_of_two", {K::Lcm, {4, 6}}, "4 = 2^2, 6 = 2 x 3, LCM = 2^2 x 3 = 12"},
    KeyRow{"a_prime_in_an_lcm", {K::Lcm, {13, 4}}, "13 = 13, 4 = 2^2, LCM = 2^2 x 13 = 52"},
    KeyRow{"not_prime", {K::PrimeOrNot, {91}}, "91 = 7 x 13, not prime"},
    KeyRow{"smallest_factor_times_the_rest", {K::PrimeOrNot, {343}}, "343 = 7 x 49, not prime"},
    KeyRow{"prime", {K::PrimeOrNot, {97}}, "97 is a prime number."}),
    [](const testing::TestParamInfo<KeyRow> &info) { return std::string(info.param.name); });

// The value of a product written "2^3 x 3^2 x 5", checking that every base is prime.
std::uint64_t productOf(const std::string &text)
{
    std::uint64_t value = 1;
    std::istringstream terms(text);
    std::string term;
    while (terms >> term) {
        if (term == "x")
            continue;
        const std::size_t caret = term.find('^');
        const auto base = std::stoll(term.substr(0, caret));
        const int exponent = caret == std::string::npos ? 1 : std::stoi(term.substr(caret + 1));
        EXPECT_EQ(Factorizer::factorList(static_cast<std::int32_t>(base)).size(), 1U) << base << " in " << text;
        for (int i = 0; i < exponent; ++i)
            value *= static_cast<std::uint64_t>(base);
    }
    return value;
}

struct SheetRow {
    int level;
    std::uint64_t seed;
};

class SheetKey : public testing::TestWithParam<SheetRow> {};

// Every answer of a full sheet agrees with the cores: each "n = product"
// multiplies out to n in primes, and the HCF, the LCM and primality are theirs.
TEST_P(SheetKey, AgreesWithTheCores)
{
    const WorksheetOptions options{{K::PrimeFactors, K::Hcf, K::Lcm, K::PrimeOrNot}, GetParam().level,
                                   Worksheet::MostQuestions, GetParam().seed, true};
    const std::vector<Question> questions = Worksheet::questions(options);
    ASSERT_EQ(questions.size(), static_cast<std::size_t>(Worksheet::MostQuestions));
    const WorksheetText sheet = Texts().worksheet(options, questions);
    for (std::size_t i = 0; i < questions.size(); ++i) {
        const WorksheetText::Item &item = sheet.items[i];
        const std::string line = Texts().plainLine(item.answer);
        SCOPED_TRACE(line);
        EXPECT_EQ(item.number, std::to_string(i + 1) + ".");
        const std::vector<std::int32_t> values(item.question.numbers.begin(), item.question.numbers.end());
        std::string rest = line;
        if (item.question.kind == K::PrimeOrNot) {
            const bool prime = Factorizer::factorList(values[0]).size() == 1;
            EXPECT_EQ(line, prime ? std::to_string(values[0]) + " is a prime number."
                                  : line.substr(0, line.find(',')) + ", not prime");
            if (!prime) {
                EXPECT_EQ(std::stoll(line.substr(line.find('=') + 2, line.find(" x ") - line.find('=') - 2))
                              * std::stoll(line.substr(line.find(" x ") + 3)),
                          values[0]);
            }
            continue;
        }
        // Each number of the question and its product, in order.
        for (const std::int32_t value : values) {
            const std::size_t equals = rest.find(" = ");
            const std::size_t end = std::min(rest.find(", "), rest.size());
            EXPECT_EQ(rest.substr(0, equals), std::to_string(value));
            EXPECT_EQ(productOf(rest.substr(equals + 3, end - equals - 3)), static_cast<std::uint64_t>(value));
            rest = end < rest.size() ? rest.substr(end + 2) : std::string();
        }
        if (item.question.kind == K::PrimeFactors)
            continue;
        const bool hcf = item.question.kind == K::Hcf;
        const std::string value = hcf ? std::to_string(Hcf::of(values).value) : LcmLadder::of(values).value.decimal();
        EXPECT_EQ(rest.substr(0, 6), hcf ? "HCF = " : "LCM = ");
        EXPECT_EQ(rest.substr(rest.rfind(' ') + 1), value);
        if (rest.find(" x ") != std::string::npos) {
            EXPECT_EQ(std::to_string(productOf(rest.substr(6, rest.rfind(" = ") - 6))), value);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Worksheet, SheetKey, testing::Values(
    SheetRow{1, 0}, SheetRow{1, 4711}, SheetRow{2, 4711}, SheetRow{2, 18446744073709551615ULL}, SheetRow{3, 42},
    SheetRow{3, 20261208}),
    [](const testing::TestParamInfo<SheetRow> &info) {
        return "level" + std::to_string(info.param.level) + "_seed" + std::to_string(info.param.seed);
    });

TEST(Worksheet, FooterNumbersThePagesThrough)
{
    const WorksheetOptions options{{K::Hcf}, 2, 20, 4711, true};
    EXPECT_EQ(Texts().worksheetFooter(options, 1, 3), "Level 2 \u00B7 seed 4711 \u00B7 page 1 of 3");
}

} // namespace
