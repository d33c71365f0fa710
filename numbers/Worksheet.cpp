#include "Worksheet.h"

#include "NumericText.h"

#include <array>
#include <charconv>

namespace numbers::Worksheet {
namespace {

using NumericText::trimmed;

// The whole of text as a decimal number of type T, digits only.
template <typename T> std::optional<T> decimal(std::string_view text)
{
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || text.front() == '-' || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<int> within(std::string_view text, int lowest, int highest)
{
    const std::optional<int> value = decimal<int>(text);
    if (!value || *value < lowest || *value > highest)
        return std::nullopt;
    return value;
}

struct KindName {
    std::string_view name;
    PracticeKind kind;
};
constexpr std::array<KindName, 4> KindNames{{
    {"factors", PracticeKind::PrimeFactors},
    {"hcf", PracticeKind::Hcf},
    {"lcm", PracticeKind::Lcm},
    {"prime", PracticeKind::PrimeOrNot},
}};

} // namespace

std::optional<std::vector<PracticeKind>> readKinds(std::string_view text)
{
    std::array<bool, KindNames.size()> chosen{};
    while (true) {
        const std::size_t comma = text.find(',');
        const std::string_view name = trimmed(text.substr(0, comma));
        std::size_t which = 0;
        while (which < KindNames.size() && KindNames[which].name != name)
            ++which;
        if (which == KindNames.size())
            return std::nullopt;
        chosen[which] = true;
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
    }
    std::vector<PracticeKind> kinds;
    for (std::size_t i = 0; i < KindNames.size(); ++i)
        if (chosen[i])
            kinds.push_back(KindNames[i].kind);
    return kinds;
}

std::optional<int> readLevel(std::string_view text)
{
    return within(text, Practice::LowestLevel, Practice::HighestLevel);
}

std::optional<int> readCount(std::string_view text)
{
    return within(text, FewestQuestions, MostQuestions);
}

std::optional<std::uint64_t> readSeed(std::string_view text)
{
    return decimal<std::uint64_t>(text);
}

std::vector<Question> questions(const WorksheetOptions &options)
{
    return Practice::sheet(options.seed, options.kinds, options.level, options.count);
}

} // namespace numbers::Worksheet
