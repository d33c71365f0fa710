// The worksheet's texts: numbers::Texts members for the sheet and its key,
// read from the working model (Working.h).
#include "Texts.h"

#include "Working.h"

#include <cctype>
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

// pattern with "%1" replaced by value.
RichLine filled(std::string_view pattern, const RichLine &value)
{
    const std::size_t at = pattern.find("%1");
    RichLine line;
    append(line, pattern.substr(0, at));
    if (at != std::string_view::npos) {
        append(line, value);
        append(line, pattern.substr(at + 2));
    }
    return line;
}

RichLine text(std::string value)
{
    return {{std::move(value), false}};
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

} // namespace

WorksheetText Texts::worksheet(const WorksheetOptions &options, std::span<const Question> questions) const
{
    WorksheetText sheet;
    sheet.title = phrases_.sheetTitle;
    sheet.nameLine = phrases_.sheetName;
    sheet.dateLine = phrases_.sheetDate;
    sheet.levelAndSeed = fill(phrases_.sheetLevelSeed, {std::to_string(options.level), std::to_string(options.seed)});
    sheet.answersHeading = phrases_.sheetAnswers;
    // "360 = 2^3 x 3^2 x 5", "13 = 13".
    const auto numberAndPowers = [this](std::uint32_t n) {
        RichLine line = text(std::to_string(n) + phrases_.equals);
        append(line, product(factorWorking(static_cast<std::int32_t>(n)).powers, phrases_.times));
        return line;
    };
    for (std::size_t i = 0; i < questions.size(); ++i) {
        const Question &question = questions[i];
        WorksheetText::Item item{fill(phrases_.sheetNumber, {std::to_string(i + 1)}), question,
                                 questionText(question), {}};
        switch (question.kind) {
        case PracticeKind::PrimeFactors:
            item.answer = numberAndPowers(question.numbers.at(0));
            break;
        case PracticeKind::Hcf:
        case PracticeKind::Lcm: {
            for (const std::uint32_t n : question.numbers) {
                append(item.answer, numberAndPowers(n));
                append(item.answer, phrases_.listSeparator);
            }
            const std::vector<std::int32_t> values(question.numbers.begin(), question.numbers.end());
            const VennContents venn = vennContents(values);
            const bool isHcf = question.kind == PracticeKind::Hcf;
            const std::vector<PrimePower> powers = primePowers(isHcf ? venn.hcfFactors : venn.lcmFactors);
            const std::string value = (isHcf ? venn.hcf : venn.lcm).decimal();
            // The value alone when it is one prime: "HCF = 3"; else "2 x 3 = 6".
            RichLine sum;
            if (powers.size() > 1 || (powers.size() == 1 && powers[0].exponent > 1)) {
                sum = product(powers, phrases_.times);
                append(sum, phrases_.equals);
            }
            append(sum, value);
            append(item.answer, filled(isHcf ? phrases_.hcfIs : phrases_.lcmIs, sum));
            break;
        }
        case PracticeKind::PrimeOrNot: {
            const std::uint32_t n = question.numbers.at(0);
            const FactorWorking working = factorWorking(static_cast<std::int32_t>(n));
            if (working.factors.size() < 2) {
                item.answer = text(fill(phrases_.isPrime, {std::to_string(n)}));
                break;
            }
            // The smallest prime factor times the rest: "343 = 7 x 49".
            const std::uint32_t smallest = working.factors.front();
            const std::string split = std::to_string(n) + phrases_.equals + std::to_string(smallest) + phrases_.times
                + std::to_string(n / smallest);
            item.answer = text(fill(phrases_.notPrimeAnswer, {split}));
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

std::string Texts::plainLine(const RichLine &line) const
{
    std::string plain;
    for (const LinePiece &piece : line) {
        if (!piece.raised) {
            plain += piece.text;
            continue;
        }
        // The base is the number the exponent is raised over: "2" in "2^3".
        std::size_t base = plain.size();
        while (base > 0 && std::isdigit(static_cast<unsigned char>(plain[base - 1])) != 0)
            --base;
        const std::string number = plain.substr(base);
        plain.resize(base);
        plain += fill(phrases_.power, {number, piece.text});
    }
    return plain;
}

} // namespace numbers
