#include "InputReader.h"
#include "NumericText.h"
#include "PrimeRange.h"
#include "Texts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace InputReader = numbers::InputReader;
namespace NumericText = numbers::NumericText;
namespace PrimeRange = numbers::PrimeRange;
using numbers::Texts;

namespace {

struct ReadCase {
    std::string text;
    std::vector<std::int32_t> numbers; // expected when accepted
    std::string refusal;               // expected message when refused
};

const std::string OutOfRange = " is out of range: enter numbers from -2147483648 to 2147483647.";

const ReadCase readCases[] = {
    ReadCase{"262144 16", {262144, 16}, ""},
    ReadCase{"", {}, ""},
    ReadCase{" \t  ", {}, ""},
    ReadCase{"12  18", {12, 18}, ""},
    ReadCase{" 12 18", {12, 18}, ""},
    ReadCase{"12 18 ", {12, 18}, ""},
    ReadCase{"12\t18", {12, 18}, ""},
    ReadCase{"2.5 3.5 -2.5 .5 1e3 -7 +5 &H10 &O17", {2, 4, -2, 0, 1000, -7, 5, 16, 15}, ""},
    ReadCase{"&hff &o7 &H7FFFFFFF 5. 1E+2 2500e-2", {255, 7, 2147483647, 5, 100, 25}, ""},
    ReadCase{"2147483647 -2147483648 2147483647.4 -2147483648.5", {2147483647, INT32_MIN, 2147483647, INT32_MIN}, ""},
    ReadCase{"abc 12", {}, "\"abc\" is not a number."},
    ReadCase{"12 12abc x", {}, "\"12abc\" is not a number."},
    ReadCase{"1,000", {}, "\"1,000\" is not a number."},
    ReadCase{"$5", {}, "\"$5\" is not a number."},
    ReadCase{"-&H10", {}, "\"-&H10\" is not a number."},
    ReadCase{"99999999999", {}, "\"99999999999\"" + OutOfRange},
    ReadCase{"1 2147483648 abc", {}, "\"2147483648\"" + OutOfRange},
    ReadCase{"2147483647.5", {}, "\"2147483647.5\"" + OutOfRange},
    ReadCase{"&H80000000", {}, "\"&H80000000\"" + OutOfRange},
    ReadCase{"&O20000000000", {}, "\"&O20000000000\"" + OutOfRange},
    ReadCase{"1e400", {}, "\"1e400\"" + OutOfRange},
    ReadCase{"1e-400 0.000", {0, 0}, ""},
    ReadCase{std::string(60, '7'), {}, "\"" + std::string(40, '7') + "...\"" + OutOfRange},
};

TEST(Reading, ReadsNumbersOrNamesTheFirstOffendingToken)
{
    for (const ReadCase &c : readCases) {
        SCOPED_TRACE("text: \"" + c.text + "\"");
        const numbers::Reading reading = InputReader::read(c.text);
        if (c.refusal.empty()) {
            ASSERT_TRUE(reading.status.isOk()) << Texts().refusal(reading.status);
            const auto values = reading.list.values();
            EXPECT_EQ(std::vector<std::int32_t>(values.begin(), values.end()), c.numbers);
        } else {
            EXPECT_FALSE(reading.status.isOk());
            EXPECT_EQ(Texts().refusal(reading.status), c.refusal);
            EXPECT_EQ(reading.list.count(), 0);
        }
    }
}

TEST(NumericTest, RefusesEverythingButTheNumberForms)
{
    for (const char *token : {"e5", ".", "-", "+", "&H", "&Hg", "&O8", "&X10", "1e", "1e+", "1.2.3", "--1", "1-",
                              "0x10", "1_000", "(5)", "5%", "๑๒", "inf", "nan", "1d3"}) {
        EXPECT_FALSE(NumericText::value(token).has_value()) << token;
        EXPECT_EQ(Texts().refusal(InputReader::read(token).status), "\"" + std::string(token) + "\" is not a number.");
    }
}

TEST(ReadingLimits, AcceptsOneHundredAndOneNumbersButNotMore)
{
    std::string text;
    for (int i = 1; i <= 101; ++i)
        text += std::to_string(i) + " ";
    const numbers::Reading full = InputReader::read(text);
    ASSERT_TRUE(full.status.isOk());
    EXPECT_EQ(full.list.count(), 101);
    EXPECT_EQ(full.list.values().back(), 101);

    EXPECT_EQ(Texts().refusal(InputReader::read(text + "102").status), "Enter at most 101 numbers.");
    // The first offending token in text order is the one named.
    EXPECT_EQ(Texts().refusal(InputReader::read(text + "x 102").status), "\"x\" is not a number.");
    EXPECT_EQ(Texts().refusal(InputReader::read(text + "102 x").status), "Enter at most 101 numbers.");
}

TEST(ReadingLimits, AReadingNeverKeepsNumbersOfAnEarlierOne)
{
    const numbers::Reading first = InputReader::read("12 18 30");
    const numbers::Reading second = InputReader::read("7");
    ASSERT_EQ(first.list.count(), 3);
    ASSERT_EQ(second.list.count(), 1);
    EXPECT_EQ(second.list.values().front(), 7);
}

TEST(LongConversion, RoundsHalvesToEvenAndRefusesWhatDoesNotFit)
{
    const struct {
        double value;
        std::optional<std::int32_t> expected;
    } cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
        {2.4999, 2}, {2.5001, 3}, {2147483647.49, 2147483647}, {-2147483648.5, INT32_MIN},
        {2147483647.5, std::nullopt}, {-2147483648.51, std::nullopt},
        {1e300, std::nullopt}, {HUGE_VAL, std::nullopt}, {-HUGE_VAL, std::nullopt}, {NAN, std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(NumericText::toInt32(c.value), c.expected) << c.value;
}

TEST(BoundReading, AcceptsOneUpToJustBelow225001)
{
    const struct {
        const char *text;
        std::int32_t bound; // 0: refused
    } cases[] = {
        {"1", 1}, {"10", 10}, {" 225000 ", 225000}, {"\t7\t", 7}, {"225000.99", 225001}, {"225000.7", 225001},
        {"225000.5", 225000}, {"1.5", 2}, {"2.5", 2}, {"3.5", 4}, {"&H10", 16}, {"1e3", 1000},
        {"0", 0}, {"0.9", 0}, {"0.5", 0}, {"-3", 0}, {"225001", 0}, {"1e10", 0}, {"", 0}, {"   ", 0},
        {"abc", 0}, {"1 2", 0}, {"12abc", 0}, {"&H7FFFFFFFFFFFFFFFFFFFF", 0},
    };
    for (const auto &c : cases) {
        const numbers::BoundReading reading = PrimeRange::readBound(c.text, 2);
        if (c.bound == 0) {
            EXPECT_FALSE(reading.status.isOk()) << c.text;
            EXPECT_EQ(Texts().refusal(reading.status), "Enter positive valid number in Box 2.") << c.text;
        } else {
            EXPECT_TRUE(reading.status.isOk()) << c.text;
            EXPECT_EQ(reading.bound, c.bound) << c.text;
        }
    }
    EXPECT_EQ(Texts().refusal(PrimeRange::readBound("x", 1).status), "Enter positive valid number in Box 1.");
}

std::string repeated(const std::string &piece, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

// Every separator, as UTF-8: the white space characters.
const char *const separators[] = {
    " ", "\t", "\n", "\r", "\v", "\f", "\u0085", "\u00A0", "\u1680", "\u2000", "\u2001", "\u2002", "\u2003",
    "\u2004", "\u2005", "\u2006", "\u2007", "\u2008", "\u2009", "\u200A", "\u2028", "\u2029", "\u202F", "\u205F",
    "\u3000",
};

TEST(Separators, EveryWhiteSpaceSeparatesNumbers)
{
    for (const char *separator : separators) {
        const std::string s = separator;
        SCOPED_TRACE("separator bytes: " + std::to_string(s.size()) + ", first " + std::to_string(static_cast<unsigned char>(s[0])));
        for (const std::string &text : {"12" + s + "18", s + "12" + s + s + "18" + s, "12" + s + " " + s + "18"}) {
            const numbers::Reading reading = InputReader::read(text);
            ASSERT_TRUE(reading.status.isOk()) << Texts().refusal(reading.status);
            EXPECT_EQ(std::vector<std::int32_t>(reading.list.values().begin(), reading.list.values().end()),
                      (std::vector<std::int32_t>{12, 18}));
        }
        const numbers::BoundReading bound = PrimeRange::readBound(s + "7" + s, 1);
        EXPECT_TRUE(bound.status.isOk());
        EXPECT_EQ(bound.bound, 7);
        EXPECT_FALSE(PrimeRange::readBound("1" + s + "2", 1).status.isOk());
    }
}

TEST(Separators, ALongPasteIsReadToItsEnd)
{
    for (const std::string &gap : {std::string(40000, ' '), repeated("\u00A0", 20000), repeated("\r\n\t ", 10000)}) {
        const numbers::Reading reading = InputReader::read("12 18" + gap + "5");
        ASSERT_TRUE(reading.status.isOk());
        EXPECT_EQ(std::vector<std::int32_t>(reading.list.values().begin(), reading.list.values().end()),
                  (std::vector<std::int32_t>{12, 18, 5}));
    }
}

// Look-alikes of separators and broken UTF-8 stay inside their token: nothing is
// split or read where the text does not say so, and the message stays readable.
TEST(Separators, MalformedBytesAndLookAlikesAreCharactersOfTheirToken)
{
    const struct {
        std::string text;
        std::string shown; // inside the quotes of "... is not a number."
    } cases[] = {
        {"12\xC2" "18", "12\uFFFD18"},             // a no-break space cut short
        {"12\xC0\xA0" "18", "12\uFFFD\uFFFD18"},   // an overlong blank
        {"12\xE2\x80" "18", "12\uFFFD\uFFFD18"},   // an en quad cut short
        {"12\xED\xA0\x80", "12\uFFFD\uFFFD\uFFFD"}, // a surrogate
        {"12\xE0\x80\xA0" "18", "12\uFFFD\uFFFD\uFFFD18"},               // a blank, overlong in three bytes
        {"1\xE0\x80\xB2", "1\uFFFD\uFFFD\uFFFD"},                       // the digit 2, overlong in three bytes
        {"12\xE0\x9F\xBF", "12\uFFFD\uFFFD\uFFFD"},                     // U+07FF, overlong in three bytes
        {"12\xF0\x80\x80\xA0" "18", "12\uFFFD\uFFFD\uFFFD\uFFFD18"},   // a blank, overlong in four bytes
        {"1\xF0\x8F\xBF\xBF", "1\uFFFD\uFFFD\uFFFD\uFFFD"},           // U+FFFF, overlong in four bytes
        {"1\xF4\x90\x80\x80", "1\uFFFD\uFFFD\uFFFD\uFFFD"},           // U+110000, just above U+10FFFF
        {"1\xF5\x80\x80\x80", "1\uFFFD\uFFFD\uFFFD\uFFFD"},           // a lead byte only values above U+10FFFF take
        {"1\xF7\xBF\xBF\xBF", "1\uFFFD\uFFFD\uFFFD\uFFFD"},           // U+1FFFFF
        {"1\xF4\x8F\xBF\xBF", "1\U0010FFFF"},                             // U+10FFFF itself is well-formed
        {"\xFF", "\uFFFD"},
        {"12\u180E" "18", "12<U+180E>18"},         // Mongolian vowel separator: format, no longer a space
        {"12\u2060" "x", "12<U+2060>x"},           // word joiner, kept in a refused token
        {"1\u00AD" "x", "1<U+00AD>x"},             // soft hyphen, kept in a refused token
        {"\uFF11\uFF12x", "\uFF11\uFF12x"},      // full-width digits, quoted as typed
        {"5\x01", "5<U+0001>"},
        {"5\x7F", "5<U+007F>"},
        {"\u200E" "5", "<U+200E>5"},               // left-to-right mark
        {"5\U000E0041", "5<U+E0041>"},             // a tag character
        {"\u00E9\u20AC\U0001F600", "\u00E9\u20AC\U0001F600"}, // visible characters as typed
    };
    for (const auto &c : cases)
        EXPECT_EQ(Texts().refusal(InputReader::read(c.text).status), "\"" + c.shown + "\" is not a number.") << c.shown;
}

// Characters that cannot be seen are left out of a number, and digits of other
// scripts read as their ASCII forms, one for one, in any mix.
TEST(Cleaning, InvisibleCharactersAreIgnoredAndOtherScriptsDigitsFolded)
{
    const struct {
        const char *name;
        std::string text;
        std::vector<std::int32_t> read;
    } cases[] = {
        {"zero-width space inside a number joins it", "12\u200B" "18 7", {1218, 7}},
        {"zero-width space beside a blank", "12\u200B 18", {12, 18}},
        {"byte-order mark, word joiner, soft hyphen", "\uFEFF" "1\u2060" "2\u00AD" "3", {123}},
        {"only invisible characters: empty", "\u200B \uFEFF\u2060 \u00AD", {}},
        {"full-width digits, sign and blank", "\uFF11\uFF12\u3000\uFF0D\uFF13", {12, -3}},
        {"full-width point and exponent", "\uFF12\uFF0E\uFF15 \uFF11\uFF45\uFF13", {2, 1000}},
        {"full-width hexadecimal", "\uFF06\uFF28\uFF11\uFF46", {31}},
        {"Arabic-Indic digits", "\u0663\u0666", {36}},
        {"extended Arabic-Indic digits", "\u06F1\u06F2", {12}},
        {"Devanagari digits", "\u0967\u0968", {12}},
        {"minus sign and Arabic decimal separator", "\u2212\u0663\u066B\u0665", {-4}},
        {"a mix within one number", "1\u0662\uFF13\u0969", {1233}},
    };
    for (const auto &c : cases) {
        const numbers::Reading reading = InputReader::read(c.text);
        ASSERT_TRUE(reading.status.isOk()) << c.name;
        EXPECT_EQ(std::vector<std::int32_t>(reading.list.values().begin(), reading.list.values().end()), c.read) << c.name;
    }
    EXPECT_EQ(PrimeRange::readBound("\u200B\uFF17\u0660", 1).bound, 70);
    EXPECT_FALSE(PrimeRange::readBound("\u200B", 2).status.isOk());
}

TEST(RefusalMessage, ShortensALongTokenToFortyCharactersNotBytes)
{
    for (const std::string piece : {"x", "\u00E9", "\u20AC", "\U0001F600"}) {
        SCOPED_TRACE("piece bytes: " + std::to_string(piece.size()));
        EXPECT_EQ(Texts().refusal(InputReader::read(repeated(piece, 60)).status), "\"" + repeated(piece, 40) + "...\" is not a number.");
        EXPECT_EQ(Texts().refusal(InputReader::read(repeated(piece, 41)).status), "\"" + repeated(piece, 40) + "...\" is not a number.");
        EXPECT_EQ(Texts().refusal(InputReader::read(repeated(piece, 40)).status), "\"" + repeated(piece, 40) + "\" is not a number.");
    }
    // A character named as <U+XXXX> counts as one.
    EXPECT_EQ(Texts().refusal(InputReader::read(repeated("\x01", 50)).status), "\"" + repeated("<U+0001>", 40) + "...\" is not a number.");
}

} // namespace
