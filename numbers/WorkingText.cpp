#include "WorkingText.h"

#include "Magnitude.h"

#include <algorithm>
#include <charconv>
#include <cstddef>

namespace numbers {
namespace {

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

// "<what> of a, b, c": the numbers as read, signs included.
void header(Lines &lines, std::string_view what, std::span<const std::int32_t> values)
{
    lines.newLine();
    lines.append(what);
    lines.append(" of ");
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            lines.append(", ");
        lines.number(values[i]);
    }
}

void hcfCall(Lines &lines, std::uint32_t h, std::uint32_t x)
{
    lines.append("HCF(");
    lines.number(h);
    lines.append(", ");
    lines.number(x);
    lines.append(")");
}

// "HCF(h, x):", Euclid's divisions of the larger by the smaller down to the
// remainder 0, and "HCF(h, x) = g"; only the last line when the smaller is 0.
void euclidStep(Lines &lines, const HcfStep &step)
{
    std::uint32_t a = std::max(step.h, step.x);
    std::uint32_t b = std::min(step.h, step.x);
    if (b != 0) {
        lines.newLine();
        hcfCall(lines, step.h, step.x);
        lines.append(":");
        while (b != 0) {
            const std::uint32_t r = a % b;
            lines.newLine();
            lines.number(a);
            lines.append(" = ");
            lines.number(a / b);
            lines.append(" x ");
            lines.number(b);
            lines.append(" + ");
            lines.number(r);
            a = b;
            b = r;
        }
    }
    lines.newLine();
    hcfCall(lines, step.h, step.x);
    lines.append(" = ");
    lines.number(step.g);
}

} // namespace

std::string WorkingText::ofFactors(const FactorResult &result)
{
    if (!result.status.isOk())
        return result.status.message();
    Lines lines;
    lines.newLine();
    lines.append("Factors of ");
    lines.number(result.number);
    lines.newLine();
    if (result.factors.empty()) {
        lines.newLine();
        lines.append("Only numbers above 1 have prime factors.");
        return lines.take();
    }

    const std::size_t factorWidth = widthOf(result.factors.back());
    const std::size_t numberWidth = widthOf(result.number);
    std::int64_t m = result.number;
    for (const std::int32_t p : result.factors) {
        lines.newLine();
        lines.number(p, factorWidth);
        lines.append(" | ");
        lines.number(m, numberWidth);
        m /= p;
    }
    lines.newLine();
    lines.blanks(factorWidth);
    lines.append(" | ");
    lines.number(1, numberWidth);
    lines.newLine();

    lines.newLine();
    lines.number(result.number);
    if (result.factors.size() == 1) {
        lines.append(" is a prime number.");
        return lines.take();
    }
    lines.append(" = ");
    for (std::size_t i = 0; i < result.factors.size();) {
        const std::int32_t p = result.factors[i];
        std::size_t exponent = 0;
        while (i < result.factors.size() && result.factors[i] == p) {
            ++exponent;
            ++i;
        }
        lines.number(p);
        if (exponent > 1) {
            lines.append("^");
            lines.number(static_cast<std::int64_t>(exponent));
        }
        if (i < result.factors.size())
            lines.append(" x ");
    }
    return lines.take();
}

std::string WorkingText::ofHcf(std::span<const std::int32_t> values, const HcfResult &result)
{
    if (!result.status.isOk())
        return result.status.message();
    Lines lines;
    header(lines, "HCF", values);
    for (const HcfStep &step : result.steps) {
        lines.newLine();
        euclidStep(lines, step);
    }
    // The fold made one step per number after the first, unless it reached 1 early.
    if (!result.steps.empty() && result.steps.back().g == 1 && result.steps.size() + 1 < values.size()) {
        lines.newLine();
        lines.append("The HCF is already 1: the other numbers cannot change it.");
    }
    lines.newLine();
    lines.newLine();
    lines.append("HCF = ");
    lines.number(result.value);
    return lines.take();
}

std::string WorkingText::ofLcm(std::span<const std::int32_t> values, const LcmResult &result)
{
    if (!result.status.isOk())
        return result.status.message();
    Lines lines;
    header(lines, "LCM", values);
    lines.newLine();
    if (std::find(values.begin(), values.end(), 0) != values.end()) {
        lines.newLine();
        lines.append("One of the numbers is 0, so the LCM is 0.");
        lines.newLine();
        lines.newLine();
        lines.append("LCM = 0");
        return lines.take();
    }

    const std::string lcm = result.LcmValue.get_str();
    if (!result.rungs.empty()) {
        const std::size_t columns = result.remaining.size();
        // The numbers only shrink down the ladder, so the first row is the widest.
        std::size_t rungWidth = 0;
        for (const std::uint32_t rung : result.rungs)
            rungWidth = std::max(rungWidth, widthOf(rung));
        std::vector<std::size_t> widths(columns);
        std::size_t rowSize = rungWidth + 3;
        for (std::size_t c = 0; c < columns; ++c) {
            widths[c] = widthOf(result.rows.front()[c]);
            rowSize += widths[c] + 2;
        }
        lines.reserve(rowSize * (result.rungs.size() + 1) + 24 * (result.rungs.size() + columns) + lcm.size() + 256);

        const auto row = [&](const std::vector<std::uint32_t> &numbers) {
            lines.append(" | ");
            for (std::size_t c = 0; c < columns; ++c) {
                if (c > 0)
                    lines.append("  ");
                lines.number(numbers[c], widths[c]);
            }
        };
        for (std::size_t k = 0; k < result.rungs.size(); ++k) {
            lines.newLine();
            lines.number(result.rungs[k], rungWidth);
            row(result.rows[k]);
        }
        lines.newLine();
        lines.blanks(rungWidth);
        row(result.remaining);
        lines.newLine();
    }

    lines.newLine();
    lines.append("LCM = ");
    std::size_t pieces = result.rungs.size();
    for (const std::uint32_t n : result.remaining)
        pieces += n > 1 ? 1 : 0;
    if (pieces >= 2) {
        bool first = true;
        const auto piece = [&](std::uint32_t n) {
            if (!first)
                lines.append(" x ");
            first = false;
            lines.number(n);
        };
        for (const std::uint32_t rung : result.rungs)
            piece(rung);
        for (const std::uint32_t n : result.remaining)
            if (n > 1)
                piece(n);
        lines.append(" = ");
    }
    lines.append(lcm);
    return lines.take();
}

} // namespace numbers
