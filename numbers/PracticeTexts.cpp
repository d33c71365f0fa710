// The texts of practice: questions, verdicts, hints and the score, made from
// the phrase table like every other text of Texts.
#include "Texts.h"

#include <algorithm>
#include <charconv>

namespace numbers {
namespace {

std::string decimal(std::uint64_t value)
{
    char digits[24];
    return {digits, std::to_chars(digits, digits + sizeof digits, value).ptr};
}

// The numbers from first on, joined by separator.
std::string joined(std::span<const std::uint64_t> numbers, std::string_view separator)
{
    std::string text;
    for (const std::uint64_t number : numbers) {
        if (!text.empty())
            text += separator;
        text += decimal(number);
    }
    return text;
}

// "2^3 x 3^2 x 5": the terms joined by the times sign, each a power when its exponent is not 1.
std::string productOf(std::span<const Term> terms, const Phrases &phrases)
{
    std::string text;
    for (const Term &term : terms) {
        if (!text.empty())
            text += phrases.times;
        text += term.exponent == 1 ? decimal(term.base) : Texts::fill(phrases.power, {decimal(term.base), decimal(term.exponent)});
    }
    return text;
}

// The numbers of a question's ith place, as decimal text.
std::string numberAt(const Question &question, std::size_t i)
{
    return i < question.numbers.size() ? decimal(question.numbers[i]) : std::string();
}

} // namespace

std::string Texts::questionText(const Question &question) const
{
    const bool three = question.numbers.size() >= 3;
    const std::string a = numberAt(question, 0);
    const std::string b = numberAt(question, 1);
    const std::string c = numberAt(question, 2);
    switch (question.kind) {
    case PracticeKind::PrimeFactors:
        return fill(phrases_.askFactors, {a});
    case PracticeKind::Hcf:
        return three ? fill(phrases_.askHcfOfThree, {a, b, c}) : fill(phrases_.askHcfOfTwo, {a, b});
    case PracticeKind::Lcm:
        return three ? fill(phrases_.askLcmOfThree, {a, b, c}) : fill(phrases_.askLcmOfTwo, {a, b});
    case PracticeKind::PrimeOrNot:
        break;
    }
    return fill(phrases_.askPrimeOrNot, {a});
}

std::string Texts::verdictText(const Verdict &verdict) const
{
    const auto number = [&](std::size_t i) { return i < verdict.numbers.size() ? decimal(verdict.numbers[i]) : std::string(); };
    const std::string product = productOf(verdict.terms, phrases_);
    switch (verdict.reason) {
    case VerdictReason::Right:
        switch (verdict.kind) {
        case PracticeKind::PrimeFactors:
            return fill(phrases_.right, {number(0) + phrases_.equals + product});
        case PracticeKind::Hcf:
            return fill(phrases_.right, {fill(phrases_.hcfIs, {number(0)})});
        case PracticeKind::Lcm:
            return fill(phrases_.right, {fill(phrases_.lcmIs, {number(0)})});
        case PracticeKind::PrimeOrNot:
            break;
        }
        return fill(phrases_.right, {verdict.terms.empty() ? fill(phrases_.isPrime, {number(0)}) : number(0) + phrases_.equals + product});
    case VerdictReason::NoAnswer:
        return phrases_.noAnswer;
    case VerdictReason::Unreadable:
        return fill(phrases_.cannotRead, {verdict.quoted});
    case VerdictReason::TooBig:
        return fill(phrases_.tooBig, {verdict.quoted});
    case VerdictReason::OneIsNotPrime:
        return phrases_.oneIsNotPrime;
    case VerdictReason::FactorNotPrime:
        return fill(phrases_.factorNotPrime, {number(0), number(1) + phrases_.times + number(2)});
    case VerdictReason::WrongProduct:
        return verdict.tooLarge ? fill(phrases_.multiplyToFarMore, {number(1)}) : fill(phrases_.multiplyTo, {number(0), number(1)});
    case VerdictReason::NotAFactor:
        return fill(phrases_.notAFactor, {number(0), number(1)});
    case VerdictReason::CommonFactorNotHighest:
        return fill(phrases_.commonFactorNotHighest, {number(0)});
    case VerdictReason::NotAMultiple:
        return fill(phrases_.notAMultiple, {number(0), number(1)});
    case VerdictReason::CommonMultipleNotLowest:
        return fill(phrases_.commonMultipleNotLowest, {number(0)});
    case VerdictReason::SidesDiffer:
        return fill(phrases_.sidesDiffer, {product, number(0)});
    case VerdictReason::CompositeCalledPrime:
        return fill(phrases_.compositeCalledPrime, {number(0)});
    case VerdictReason::ProductIsNotN:
        return verdict.tooLarge ? fill(phrases_.productFarMore, {product, number(1)})
                                : fill(phrases_.productIsNot, {product, number(0), number(1)});
    case VerdictReason::UseNumbersAboveOne:
        return phrases_.useNumbersAboveOne;
    case VerdictReason::PrimeOrProduct:
        return fill(phrases_.primeOrProduct, {phrases_.primeWord, number(0)});
    }
    return {};
}

std::string Texts::hintLine(const HintStep &step) const
{
    const std::span<const std::uint64_t> n = step.numbers;
    const auto number = [&](std::size_t i) { return i < n.size() ? decimal(n[i]) : std::string(); };
    switch (step.kind) {
    case HintKind::LadderRung:
        return fill(phrases_.division, {number(0), number(1), number(2)});
    case HintKind::ExponentForm:
        return number(0) + phrases_.equals + productOf(step.terms, phrases_);
    case HintKind::EuclidDivision:
        return fill(phrases_.euclidLine, {number(0), number(1), number(2), number(3)});
    case HintKind::PairHcf:
        return fill(phrases_.hcfOfPair, {number(0), number(1)}) + phrases_.equals + number(2);
    case HintKind::HcfIs:
        return fill(phrases_.hcfIs, {number(0)});
    case HintKind::LcmRow:
        return fill(phrases_.ladderRow, {number(0), joined(n.subspan(std::min<std::size_t>(1, n.size())), "  ")});
    case HintKind::LcmRemains:
        return fill(phrases_.ladderRemains, {joined(n, "  ")});
    case HintKind::LcmIs:
        return fill(phrases_.lcmIs, {number(0)});
    case HintKind::PrimesToTry:
        return n.size() <= 1 ? fill(phrases_.noPrimesToTry, {number(0)})
                             : fill(phrases_.primesToTry, {number(0), joined(n.subspan(1), phrases_.listSeparator)});
    case HintKind::TrialDivision:
        return n.size() > 3 && n[3] == 0 ? fill(phrases_.division, {number(0), number(1), number(2)})
                                : fill(phrases_.divisionLeaves, {number(0), number(1), number(2), number(3)});
    case HintKind::IsPrime:
        return fill(phrases_.isPrime, {number(0)});
    case HintKind::IsNotPrime:
        return fill(phrases_.isNotPrime, {number(0), number(1), number(2)});
    }
    return {};
}

std::string Texts::scoreText(int questionNumber, int questionCount, int rightFirstTime) const
{
    return fill(phrases_.score(rightFirstTime), {std::to_string(questionNumber), std::to_string(questionCount)});
}

std::string Texts::roundOverText(int rightFirstTime, int questionCount, std::int64_t seconds) const
{
    const std::string count = std::to_string(questionCount);
    if (seconds < 60)
        return fill(phrases_.roundOverSeconds(rightFirstTime), {count, std::to_string(std::max<std::int64_t>(seconds, 0))});
    return fill(phrases_.roundOver(rightFirstTime), {count, std::to_string(seconds / 60), std::to_string(seconds % 60)});
}

} // namespace numbers
