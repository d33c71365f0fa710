#pragma once

#include "Working.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// A line of a picture in school typography, as data: the texts build it from
// the phrase table, the layout measures and places its runs, the window draws
// them, an exponent raised and smaller (2³, never "2^3").
namespace numbers {

struct FormulaRun {
    enum class Kind {
        Text,     // words, the times sign, " = "
        Number,   // a number's digits; an Exponent right after it is its power
        Exponent, // drawn raised and smaller
    };
    Kind kind = Kind::Text;
    std::string text;

    friend bool operator==(const FormulaRun &, const FormulaRun &) = default;
};

using Formula = std::vector<FormulaRun>;

// In a Venn diagram's regions and the sums under it, a prime repeated this
// many times or more is written once as a power; fewer stay separate
// factors, as school draws them.
inline constexpr int FewestRepeatsAsPower = 4;

// The prime powers as written: those of exponent fewestAsPower or more once,
// as powers; the others as that many separate factors of exponent 1.
inline std::vector<PrimePower> writtenPowers(std::span<const PrimePower> powers, int fewestAsPower)
{
    std::vector<PrimePower> written;
    for (const PrimePower &power : powers) {
        if (power.exponent >= fewestAsPower)
            written.push_back(power);
        else
            written.insert(written.end(), static_cast<std::size_t>(power.exponent), PrimePower{power.prime, 1});
    }
    return written;
}

} // namespace numbers
