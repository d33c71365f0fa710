// libFuzzer target: any bytes as the numbers box, as two prime bound boxes
// (split at the first '|'), and as a pupil's answer to a practice question. Checks the results, not only the absence of crashes:
// the working texts are plain ASCII with no blank at a line's end, and a
// refusal message is well-formed UTF-8 whatever bytes came in.
#include "Factorizer.h"
#include "Hcf.h"
#include "InputReader.h"
#include "LcmLadder.h"
#include "Practice.h"
#include "PrimeRange.h"
#include "Utf8Text.h"
#include "Texts.h"
#include "Working.h"
#include "Worksheet.h"

#include <gmpxx.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <string_view>

using namespace numbers;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

std::int64_t magnitude(std::int32_t v) { return v < 0 ? -static_cast<std::int64_t>(v) : v; }

// Plain ASCII lines joined by line feeds, none ending with a blank, no line feed at the end.
void checkWorking(const std::string &text)
{
    check(!text.empty() && text.back() != '\n');
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        check(c == '\n' || (c >= 0x20 && c < 0x7F));
        check(c != ' ' || (i + 1 < text.size() && text[i + 1] != '\n'));
    }
}

void checkWellFormed(const std::string &text)
{
    for (std::size_t i = 0; i < text.size(); i += Utf8Text::at(text, i).length)
        check(Utf8Text::at(text, i).wellFormed);
}

const Texts texts;

void runListCommands(std::span<const std::int32_t> values)
{
    const FactorResult factors = Factorizer::ofFirst(values);
    check(factors.status.isOk() == !values.empty());
    if (factors.status.isOk() && factors.number > 1) {
        std::int64_t product = 1;
        for (const std::int32_t f : factors.factors)
            product *= f;
        check(product == factors.number);
    }
    if (factors.status.isOk()) {
        const FactorWorking working = factorWorking(factors);
        std::int64_t fromPowers = 1;
        for (const PrimePower &power : working.powers)
            for (int e = 0; e < power.exponent; ++e)
                fromPowers *= power.prime;
        check(working.factors.empty() || fromPowers == factors.number);
        for (const DivisionRung &rung : working.ladder)
            check(std::uint64_t{rung.divisor} * rung.quotient == rung.dividend);
        check(working.ladder.empty() || working.ladder.back().quotient == 1);
        checkWorking(texts.factorsWorking(working));
    }

    const HcfResult hcf = Hcf::of(values);
    check(hcf.status.isOk() == (values.size() >= 2));
    if (hcf.status.isOk()) {
        check(hcf.value >= 0);
        if (hcf.value > 1)
            for (const std::int32_t v : values)
                check(magnitude(v) % hcf.value == 0);
        const HcfWorking working = hcfWorking(hcf);
        for (const HcfFoldStep &step : working.steps) {
            for (const EuclidDivision &d : step.divisions)
                check(std::uint64_t{d.quotient} * d.divisor + d.remainder == d.dividend && d.remainder < d.divisor);
            check(step.divisions.empty() ? std::max(step.h, step.x) == step.g
                                         : step.divisions.back().remainder == 0 && step.divisions.back().divisor == step.g);
        }
        checkWorking(texts.hcfWorking(working));
    }

    const LcmResult lcm = LcmLadder::of(values);
    if (lcm.status.isOk() && !lcm.value.isZero()) {
        const mpz_class value(lcm.value.decimal());
        for (const std::int32_t v : values)
            check(mpz_divisible_ui_p(value.get_mpz_t(), static_cast<unsigned long>(magnitude(v))) != 0);
    }
    if (lcm.status.isOk()) {
        check(lcm.rows.size() == lcm.rungs.size());
        checkWorking(texts.lcmWorking(lcmWorking(lcm)));
    }
}

// The answer reader and checker: the text as an answer to a question drawn
// from its first byte (kind, level and seed). A verdict's text is well-formed
// UTF-8, and a right verdict names the right value.
void checkPracticeAnswer(std::string_view text)
{
    const auto first = text.empty() ? 0u : static_cast<unsigned char>(text[0]);
    const PracticeKind kinds[] = {static_cast<PracticeKind>(first % 4)};
    const std::vector<Question> sheet = Practice::sheet(first, kinds, static_cast<int>(first / 4 % 3) + 1, 1);
    check(sheet.size() == 1);
    const Question &question = sheet.front();
    const Verdict verdict = Practice::check(question, text, "Premi\u00E8re");
    const std::string said = texts.verdictText(verdict);
    check(!said.empty());
    checkWellFormed(said);
    if (verdict.isRight()) {
        std::uint64_t h = 0, l = 1;
        for (const std::uint32_t x : question.numbers) {
            h = std::gcd(h, std::uint64_t{x});
            l = std::lcm(l, std::uint64_t{x});
        }
        if (question.kind == PracticeKind::Hcf)
            check(verdict.numbers.at(0) == h);
        if (question.kind == PracticeKind::Lcm)
            check(verdict.numbers.at(0) == l);
    }
    const std::vector<HintStep> hints = Practice::hints(question);
    check(!hints.empty());
    for (const HintStep &step : hints)
        checkWellFormed(texts.hintLine(step));
}

} // namespace

// The worksheet's option readers: what they accept is within its bounds, a
// seed is its digits read back, and kinds name each kind once, in turn order.
void checkWorksheetOptions(std::string_view text)
{
    if (const auto level = Worksheet::readLevel(text))
        check(*level >= Practice::LowestLevel && *level <= Practice::HighestLevel);
    if (const auto count = Worksheet::readCount(text))
        check(*count >= Worksheet::FewestQuestions && *count <= Worksheet::MostQuestions);
    if (const auto seed = Worksheet::readSeed(text)) {
        check(!text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos);
        const std::size_t first = std::min(text.find_first_not_of('0'), text.size() - 1);
        check(std::to_string(*seed) == text.substr(first));
    }
    if (const auto kinds = Worksheet::readKinds(text)) {
        check(!kinds->empty() && kinds->size() <= 4 && std::is_sorted(kinds->begin(), kinds->end()));
        check(std::adjacent_find(kinds->begin(), kinds->end()) == kinds->end());
    }
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);

    const Reading reading = InputReader::read(text);
    if (reading.status.isOk())
        runListCommands(reading.list.values());
    else {
        check(!texts.refusal(reading.status).empty());
        checkWellFormed(texts.refusal(reading.status));
    }

    checkPracticeAnswer(text);
    checkWorksheetOptions(text);

    const std::size_t bar = text.find('|');
    if (bar != std::string_view::npos) {
        const BoundReading first = PrimeRange::readBound(text.substr(0, bar), 1);
        const BoundReading second = PrimeRange::readBound(text.substr(bar + 1), 2);
        if (first.status.isOk() && second.status.isOk()) {
            check(first.bound >= 1 && first.bound <= 225001 && second.bound >= 1 && second.bound <= 225001);
            const auto primes = PrimeRange::primesBetween(first.bound, second.bound);
            check(std::is_sorted(primes.begin(), primes.end()));
            check(primes.empty() || primes.front() >= std::min(first.bound, second.bound));
            check(primes.empty() || primes.back() <= std::max(first.bound, second.bound));
            checkWorking(texts.primesWorking(sieveWorking({{first.bound, second.bound}, primes})));
        }
    }
    return 0;
}
