#include "Texts.h"

#include "NumberList.h"
#include "Utf8Text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <vector>

namespace numbers {
namespace {

std::string decimal(std::int64_t value)
{
    char digits[24];
    return {digits, std::to_chars(digits, digits + sizeof digits, value).ptr};
}

// The numbers joined by separator: "2 x 2 x 3", "12, -18, 30".
template <typename Numbers> std::string joined(const Numbers &numbers, std::string_view separator)
{
    std::string text;
    for (const auto number : numbers) {
        if (!text.empty())
            text += separator;
        text += decimal(number);
    }
    return text;
}

// A factor text: the factors joined after one blank, or "1" when there are none.
template <typename Numbers> std::string factorText(const Numbers &factors, std::string_view times)
{
    if (factors.empty())
        return "1";
    std::string text(1, ' ');
    text += joined(factors, times);
    return text;
}

// pattern filled with a product and its value: "2 x 3 = 6"; the value alone
// when one factor or none gives it.
template <typename Numbers>
std::string sumOf(std::string_view pattern, const Numbers &factors, const Phrases &phrases, const std::string &value)
{
    return Texts::fill(pattern, {factors.size() >= 2 ? joined(factors, phrases.times) + phrases.equals + value : value});
}

// The numbers of a working's heading: "12, 18, 30", its last two joined by
// the list's end ("12, 18 and 30" where a language says so).
template <typename Numbers> std::string listed(const Numbers &numbers, const Phrases &phrases)
{
    if (numbers.size() < 2)
        return joined(numbers, phrases.listSeparator);
    const std::vector<std::int64_t> before(numbers.begin(), numbers.end() - 1);
    return Texts::fill(phrases.listEnd, {joined(before, phrases.listSeparator), decimal(numbers.back())});
}

// The exponent form of a composite number: each prime once, with its
// exponent in power (a phrase of the prime and the exponent) when above 1.
std::string exponentForm(const FactorWorking &working, const Phrases &phrases, const std::string &power)
{
    std::string powers;
    for (const PrimePower &factor : working.powers) {
        if (!powers.empty())
            powers += phrases.times;
        powers += factor.exponent > 1 ? Texts::fill(power, {decimal(factor.prime), decimal(factor.exponent)}) : decimal(factor.prime);
    }
    return decimal(working.number) + phrases.equals + powers;
}

// The decimal digits of value, with "-" for a negative one.
std::size_t widthOf(std::int64_t value)
{
    char digits[24];
    return static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, value).ptr - digits);
}

// Builds the lines of a working text: plain ASCII, joined by line feeds, with
// no blank at the end of a line and no line feed after the last one.
class Lines {
public:
    // Starts a new line (the first line needs none).
    void newLine()
    {
        if (started_)
            text_ += '\n';
        started_ = true;
    }
    // Appends a number in plain decimal, right-aligned to width.
    void number(std::int64_t value, std::size_t width = 0)
    {
        char digits[24];
        const char *end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        const auto size = static_cast<std::size_t>(end - digits);
        if (width > size)
            text_.append(width - size, ' ');
        text_.append(digits, size);
    }
    void append(std::string_view piece) { text_ += piece; }
    void blanks(std::size_t count) { text_.append(count, ' '); }
    void reserve(std::size_t size) { text_.reserve(size); }
    // The whole text; lines never end with a blank, as every line ends with a
    // number, a ':' or a full stop.
    std::string take() { return std::move(text_); }

private:
    std::string text_;
    bool started_ = false;
};

} // namespace

std::string Texts::fill(std::string_view pattern, std::initializer_list<std::string_view> values)
{
    std::string text;
    text.reserve(pattern.size() + 16);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::size_t which = i + 1 < pattern.size() && pattern[i] == '%' ? static_cast<std::size_t>(pattern[i + 1] - '1') : values.size();
        if (which < values.size()) {
            text += values.begin()[which];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string Texts::factorsCaption(const FactorResult &result) const
{
    return factorText(result.factors, phrases_.times);
}

std::string Texts::factorsFrameTitle(const FactorResult &result) const
{
    return fill(phrases_.factorsFrameOf, {decimal(result.number)});
}

std::string Texts::hcfCaption(const HcfResult &result) const
{
    return fill(phrases_.hcfIs, {decimal(result.value)});
}

std::string Texts::lcmCaption(const LcmResult &result) const
{
    return fill(phrases_.lcmIs, {result.value.decimal()});
}

std::string Texts::lcmFactorsCaption(const LcmResult &result) const
{
    return fill(phrases_.lcmFactorsAre, {factorText(result.ladderFactors(), phrases_.times)});
}

std::string Texts::primeCountCaption(const PrimesResult &result) const
{
    return phrases_.primeCount(static_cast<std::int64_t>(result.primes.size()));
}

std::string Texts::elapsedCaption(Command command, double milliseconds) const
{
    char shown[400] = "0";
    if (std::isfinite(milliseconds))
        std::snprintf(shown, sizeof shown, "%.0f", std::round(milliseconds) + 0.0); // + 0.0 turns -0 into 0
    switch (command) {
    case Command::Factors:
        return fill(phrases_.factorsTime, {shown});
    case Command::Hcf:
        return fill(phrases_.hcfTime, {shown});
    case Command::Lcm:
        return fill(phrases_.lcmTime, {shown});
    case Command::Primes:
        break;
    }
    return fill(phrases_.primesTime, {shown});
}

std::string Texts::refusal(const Status &status) const
{
    // A long paste keeps the message readable: the token is cut to its first
    // 40 characters, and characters that cannot be seen are named as <U+XXXX>.
    const std::string token = Utf8Text::shownShortened(status.token(), 40);
    switch (status.reason()) {
    case Refusal::None:
        break;
    case Refusal::NotANumber:
        return fill(phrases_.notANumber, {token});
    case Refusal::OutOfRange:
        return fill(phrases_.outOfRange, {token});
    case Refusal::TooManyNumbers:
        return phrases_.tooManyNumbers(NumberList::Capacity);
    case Refusal::NoNumbers:
        return phrases_.noNumbers;
    case Refusal::HcfNeedsTwo:
        return phrases_.hcfNeedsTwo;
    case Refusal::InvalidBound:
        return fill(phrases_.invalidBound, {decimal(status.boxNumber())});
    }
    return {};
}

std::string Texts::factorsWorking(const FactorWorking &working) const
{
    if (!working.status.isOk())
        return refusal(working.status);
    Lines lines;
    lines.newLine();
    lines.append(fill(phrases_.factorsOf, {decimal(working.number)}));
    lines.newLine();
    if (working.ladder.empty()) {
        lines.newLine();
        lines.append(factorsLastLine(working));
        return lines.take();
    }

    const std::size_t factorWidth = widthOf(working.factors.back());
    const std::size_t numberWidth = widthOf(working.number);
    for (const DivisionRung &rung : working.ladder) {
        lines.newLine();
        lines.number(rung.divisor, factorWidth);
        lines.append(" | ");
        lines.number(rung.dividend, numberWidth);
    }
    lines.newLine();
    lines.blanks(factorWidth);
    lines.append(" | ");
    lines.number(working.ladder.back().quotient, numberWidth);
    lines.newLine();

    lines.newLine();
    lines.append(factorsLastLine(working));
    return lines.take();
}

std::string Texts::factorsLastLine(const FactorWorking &working) const
{
    if (working.factors.empty())
        return phrases_.onlyAboveOne;
    if (working.isPrime())
        return fill(phrases_.isPrime, {decimal(working.number)});
    return exponentForm(working, phrases_, phrases_.power);
}

std::string Texts::factorsLastLineInWords(const FactorWorking &working) const
{
    if (working.factors.empty() || working.isPrime())
        return factorsLastLine(working);
    return exponentForm(working, phrases_, phrases_.powerInWords);
}

std::string Texts::hcfWorking(const HcfWorking &working) const
{
    if (!working.status.isOk())
        return refusal(working.status);
    Lines lines;
    lines.newLine();
    lines.append(fill(phrases_.hcfOf, {listed(working.numbers, phrases_)}));
    for (const HcfFoldStep &step : working.steps) {
        // "HCF(h, x):" and the divisions, then "HCF(h, x) = g"; only the last
        // line when the smaller number is 0.
        const std::string pair = fill(phrases_.hcfOfPair, {decimal(step.h), decimal(step.x)});
        lines.newLine();
        if (!step.divisions.empty()) {
            lines.newLine();
            lines.append(fill(phrases_.heading, {pair}));
        }
        // "a = q x b + r", in the order and signs of the language's phrase.
        for (const EuclidDivision &division : step.divisions) {
            lines.newLine();
            lines.append(fill(phrases_.euclidLine, {decimal(division.dividend), decimal(division.quotient),
                                                    decimal(division.divisor), decimal(division.remainder)}));
        }
        lines.newLine();
        lines.append(pair + phrases_.equals);
        lines.number(step.g);
    }
    if (working.stoppedEarly) {
        lines.newLine();
        lines.append(phrases_.hcfAlreadyOne);
    }
    lines.newLine();
    lines.newLine();
    lines.append(fill(phrases_.hcfIs, {decimal(working.value)}));
    return lines.take();
}

std::string Texts::lcmWorking(const LcmWorking &working) const
{
    if (!working.status.isOk())
        return refusal(working.status);
    Lines lines;
    lines.newLine();
    lines.append(fill(phrases_.lcmOf, {listed(working.numbers, phrases_)}));
    lines.newLine();
    if (working.zero) {
        lines.newLine();
        lines.append(phrases_.lcmZero);
        lines.newLine();
        lines.newLine();
        lines.append(fill(phrases_.lcmIs, {"0"}));
        return lines.take();
    }

    const std::string lcm = working.value.decimal();
    if (!working.rows.empty()) {
        const std::size_t columns = working.remaining.size();
        // The numbers only shrink down the ladder, so the first row is the widest.
        std::size_t rungWidth = 0;
        for (const LadderRow &row : working.rows)
            rungWidth = std::max(rungWidth, widthOf(row.divisor));
        std::vector<std::size_t> widths(columns);
        std::size_t rowSize = rungWidth + 3;
        for (std::size_t c = 0; c < columns; ++c) {
            widths[c] = widthOf(working.rows.front().numbers[c]);
            rowSize += widths[c] + 2;
        }
        lines.reserve(rowSize * (working.rows.size() + 1) + 24 * (working.rows.size() + columns) + lcm.size() + 256);

        const auto row = [&](const std::vector<std::uint32_t> &numbers) {
            lines.append(" | ");
            for (std::size_t c = 0; c < columns; ++c) {
                if (c > 0)
                    lines.append("  ");
                lines.number(numbers[c], widths[c]);
            }
        };
        for (const LadderRow &ladderRow : working.rows) {
            lines.newLine();
            lines.number(ladderRow.divisor, rungWidth);
            row(ladderRow.numbers);
        }
        lines.newLine();
        lines.blanks(rungWidth);
        row(working.remaining);
        lines.newLine();
    }

    // "LCM = 2 x 4 x 2 x 16384 = 262144"; only the value when one factor or none gives it.
    lines.newLine();
    lines.append(sumOf(phrases_.lcmIs, working.product, phrases_, lcm));
    return lines.take();
}

std::string Texts::primesWorking(const SieveWorking &sieve) const
{
    const auto count = static_cast<std::int64_t>(sieve.primes.size());
    Lines lines;
    lines.newLine();
    lines.append(fill(phrases_.primesBetween, {decimal(sieve.start), decimal(sieve.end)}));
    lines.newLine();
    if (sieve.wide) {
        lines.newLine();
        lines.append(phrases_.sieveTooWide);
        lines.newLine();
        lines.newLine();
        lines.append(phrases_.primesCounted(count));
        return lines.take();
    }

    if (sieve.crossesOutOne) {
        lines.newLine();
        lines.append(phrases_.crossOutOne);
    }
    for (const SieveCrossing &crossing : sieve.crossings) {
        lines.newLine();
        lines.append(fill(phrases_.crossOutMultiples, {decimal(crossing.prime), crossing.crossed.empty()
                                                                                   ? phrases_.crossOutNone
                                                                                   : joined(crossing.crossed, phrases_.numberSeparator)}));
    }
    lines.newLine();
    lines.append(fill(phrases_.sieveStops, {decimal(sieve.stopPrime), decimal(sieve.stopSquare), decimal(sieve.end)}));
    lines.newLine();
    lines.newLine();
    if (sieve.primes.empty())
        lines.append(phrases_.noPrimes);
    else
        lines.append(fill(phrases_.primesListed(count), {joined(sieve.primes, phrases_.numberSeparator)}));
    return lines.take();
}

std::string Texts::hcfSum(const VennContents &venn) const
{
    return sumOf(phrases_.hcfIs, venn.hcfFactors, phrases_, venn.hcf.decimal());
}

std::string Texts::lcmSum(const VennContents &venn) const
{
    return sumOf(phrases_.lcmIs, venn.lcmFactors, phrases_, venn.lcm.decimal());
}

std::string Texts::treeDescription(const FactorWorking &working) const
{
    if (working.tree.empty())
        return phrases_.onlyAboveOne;
    const std::string root = decimal(working.tree.front().value);
    std::string splits;
    for (const TreeSplit &node : working.tree) {
        if (node.isPrime())
            continue;
        if (!splits.empty())
            splits += phrases_.partSeparator;
        splits += fill(phrases_.split, {decimal(node.value), decimal(working.tree[static_cast<std::size_t>(node.left)].value),
                                        decimal(working.tree[static_cast<std::size_t>(node.right)].value)});
    }
    if (splits.empty())
        return fill(phrases_.treeOf, {root, fill(phrases_.isPrime, {root})});
    return fill(phrases_.treeOf, {root, splits});
}

std::string Texts::vennDescription(const VennContents &venn) const
{
    if (!venn.isDrawn())
        return phrases_.vennNotDrawn;
    // "12 and 18", "8, 12 and 18": the magnitudes of the circles in members.
    const auto numbersIn = [&](unsigned members) {
        std::vector<std::uint32_t> chosen;
        for (std::size_t i = 0; i < venn.magnitudes.size(); ++i)
            if ((members >> i & 1u) != 0)
                chosen.push_back(venn.magnitudes[i]);
        const std::string last = decimal(chosen.back());
        chosen.pop_back();
        return chosen.empty() ? last : fill(phrases_.lastOfList, {joined(chosen, phrases_.listSeparator), last});
    };
    std::string regions;
    for (const VennContents::Region &region : venn.regions) {
        if (region.factors.empty())
            continue;
        if (!regions.empty())
            regions += phrases_.partSeparator;
        const bool alone = (region.members & (region.members - 1)) == 0;
        regions += fill(alone ? phrases_.inOnly : phrases_.inShared,
                        {numbersIn(region.members), joined(region.factors, phrases_.listSeparator)});
    }
    const unsigned all = (1u << venn.magnitudes.size()) - 1;
    return fill(phrases_.vennOf, {numbersIn(all), regions.empty() ? phrases_.noPrimeFactors : regions});
}

std::string Texts::gridDescription(const SieveWorking &result) const
{
    if (result.wide)
        return phrases_.gridTooWide;
    std::string primes;
    if (result.primes.empty())
        primes = phrases_.gridNoPrimes;
    else
        primes = fill(phrases_.gridPrimes(static_cast<std::int64_t>(result.primes.size())), {joined(result.primes, phrases_.listSeparator)});
    return fill(phrases_.gridOf, {decimal(result.start), decimal(result.end), primes});
}

} // namespace numbers
