#pragma once

#include <cstdint>
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

// A prime and how many times it is a factor.
struct PrimePower {
    std::uint32_t prime = 0;
    int exponent = 1;

    friend bool operator==(const PrimePower &, const PrimePower &) = default;
};

// In a Venn diagram's regions and the sums under it, a prime repeated this
// many times or more is written once as a power; fewer stay separate
// factors, as school draws them.
inline constexpr int FewestRepeatsAsPower = 4;

// The ascending factors with each prime repeated at least fewestAsPower times
// written once as a power; the other factors stay one by one, exponent 1.
template <typename Factors> std::vector<PrimePower> powersOf(const Factors &factors, int fewestAsPower)
{
    std::vector<PrimePower> powers;
    for (auto at = factors.begin(); at != factors.end();) {
        const auto prime = static_cast<std::uint32_t>(*at);
        int repeats = 0;
        for (; at != factors.end() && static_cast<std::uint32_t>(*at) == prime; ++at)
            ++repeats;
        if (repeats >= fewestAsPower)
            powers.push_back({prime, repeats});
        else
            powers.insert(powers.end(), static_cast<std::size_t>(repeats), PrimePower{prime, 1});
    }
    return powers;
}

} // namespace numbers
