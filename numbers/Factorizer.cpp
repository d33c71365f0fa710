#include "Factorizer.h"

#include "PrimeTable.h"

namespace numbers {

std::vector<std::int32_t> Factorizer::factorList(std::int32_t n)
{
    std::vector<std::int32_t> list;
    if (n <= 1)
        return list;
    for (const std::uint32_t factor : PrimeTable::instance().factors(static_cast<std::uint32_t>(n)))
        list.push_back(static_cast<std::int32_t>(factor));
    return list;
}

FactorResult Factorizer::ofFirst(std::span<const std::int32_t> values)
{
    if (values.empty())
        return {Status::refused(Refusal::NoNumbers), 0, {}};
    return {Status::ok(), values.front(), factorList(values.front())};
}

} // namespace numbers
