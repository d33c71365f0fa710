#pragma once

#include "Results.h"

#include <cstdint>
#include <span>
#include <vector>

namespace numbers {

// Prime factorization of a 32-bit whole number.
namespace Factorizer {

// The prime factors of n in ascending order, each as often as it divides n;
// empty when n is 1 or less (0 and negatives included).
std::vector<std::int32_t> factorList(std::int32_t n);
// Factorizes the first of the typed numbers; refuses an empty list.
FactorResult ofFirst(std::span<const std::int32_t> values);

} // namespace Factorizer
} // namespace numbers
