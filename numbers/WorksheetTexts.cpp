// The worksheet's texts: numbers::Texts members for the sheet and its key.
#include "Texts.h"

#include "Factorizer.h"
#include "PictureLayout.h"
#include "WholeNumber.h"

#include <string>

namespace numbers {
namespace {

// Appends text to line, joined to the last piece unless that one is raised.
void append(RichLine &line, std::string_view text)
{
    if (line.empty() || line.back().raised)
        line.push_back({std::string(text), false});
    else
        line.back().text += text;
}

void append(RichLine &line, const RichLine &more)
{
    for (const LinePiece &piece : more) {
        if (piece.raised)
            line.push_back(piece);
        else
            append(line, piece.text);
    }
}

// pattern with "%1", "%2", ... replaced by the lines in order.
RichLine filled(std::string_view pattern, std::initializer_list<RichLine> values)
{
    RichLine line;
    std::size_t from = 0;
    for (std::size_t i = 0; i + 1 < pattern.size(); ++i) {
        const auto which = static_cast<std::size_t>(pattern[i + 1] - '1');
        if (pattern[i] != '%' || which >= values.size())
            continue;
        append(line, pattern.substr(from, i - from));
        append(line, values.begin()[which]);
        from = i + 2;
        ++i;
    }
    append(line, pattern.substr(from));
    return line;
}

RichLine text(std::string value)
{
    return {{std::move(value), false}};
}

// A prime and how often it divides a number: 2^3 in 360.
struct PrimePower {
    std::uint32_t prime = 0;
    int exponent = 0;
};

// The prime factors (ascending, with repetition) gathered into prime powers.
template <typename Factors> std::vector<PrimePower> primePowers(const Factors &factors)
{
    std::vector<PrimePower> powers;
    for (const auto factor : factors) {
        if (!powers.empty() && powers.back().prime == static_cast<std::uint32_t>(factor))
            ++powers.back().exponent;
        else
            powers.push_back({static_cast<std::uint32_t>(factor), 1});
    }
    return powers;
}

// The exponent form of the powers' product: "2^3 x 3^2 x 5"; "1" for none.
RichLine product(const std::vector<PrimePower> &powers, std::string_view times)
{
    RichLine line;
    for (const PrimePower &power : powers) {
        if (!line.empty())
            append(line, times);
        append(line, std::to_string(power.prime));
        if (power.exponent > 1)
            line.push_back({std::to_string(power.exponent), true});
    }
    return line.empty() ? text("1") : line;
}

std::vector<PrimePower> powersOf(std::uint32_t number)
{
    return primePowers(Factorizer::factorList(static_cast<std::int32_t>(number)));
}

} // namespace

WorksheetText Texts::worksheet(const WorksheetOptions &options, std::span<const Question> questions) const
{
    WorksheetText sheet;
    sheet.title = phrases_.sheetTitle;
    sheet.nameLine = phrases_.sheetName;
    sheet.dateLine = phrases_.sheetDate;
    sheet.levelAndSeed = fill(phrases_.sheetLevelSeed, {std::to_string(options.level), std::to_string(options.seed)});
    sheet.answersHeading = phrases_.sheetAnswers;
    for (std::size_t i = 0; i < questions.size(); ++i) {
        const Question &question = questions[i];
        WorksheetText::Item item{fill(phrases_.sheetNumber, {std::to_string(i + 1)}), question,
                                 questionText(question), {}};
        const auto number = [&](std::uint32_t n) {
            return filled(phrases_.equation, {text(std::to_string(n)), product(powersOf(n), phrases_.times)});
        };
        switch (question.kind) {
        case PracticeKind::PrimeFactors:
            item.answer = number(question.numbers.at(0));
            break;
        case PracticeKind::Hcf:
        case PracticeKind::Lcm: {
            for (const std::uint32_t n : question.numbers) {
                append(item.answer, number(n));
                append(item.answer, phrases_.listSeparator);
            }
            std::vector<std::int32_t> values(question.numbers.begin(), question.numbers.end());
            const VennContents venn = vennContents(values);
            const bool isHcf = question.kind == PracticeKind::Hcf;
            const std::vector<PrimePower> powers = primePowers(isHcf ? venn.hcfFactors : venn.lcmFactors);
            const std::string value = WholeNumber::product(isHcf ? venn.hcfFactors : venn.lcmFactors).decimal();
            // The value alone when it is one prime: "HCF = 3".
            const bool alone = powers.empty() || (powers.size() == 1 && powers[0].exponent == 1);
            const RichLine sum = alone ? text(value) : filled(phrases_.equation, {product(powers, phrases_.times), text(value)});
            append(item.answer, filled(isHcf ? phrases_.hcfIs : phrases_.lcmIs, {sum}));
            break;
        }
        case PracticeKind::PrimeOrNot: {
            const std::uint32_t n = question.numbers.at(0);
            const std::vector<std::int32_t> factors = Factorizer::factorList(static_cast<std::int32_t>(n));
            if (factors.size() < 2) {
                item.answer = text(fill(phrases_.isPrime, {std::to_string(n)}));
                break;
            }
            // The smallest prime factor times the rest: "343 = 7 x 49".
            const auto smallest = static_cast<std::uint32_t>(factors.front());
            const std::string split = std::to_string(smallest) + phrases_.times + std::to_string(n / smallest);
            item.answer = text(fill(phrases_.notPrimeAnswer, {fill(phrases_.equation, {std::to_string(n), split})}));
            break;
        }
        }
        sheet.items.push_back(std::move(item));
    }
    return sheet;
}

std::string Texts::worksheetFooter(const WorksheetOptions &options, int page, int pages) const
{
    return fill(phrases_.sheetFooter, {std::to_string(options.level), std::to_string(options.seed),
                                       std::to_string(page), std::to_string(pages)});
}

} // namespace numbers
