#pragma once

#include "Status.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace numbers {

struct FactorResult {
    Status status;
    std::int32_t number = 0;            // the number factorized
    std::vector<std::int32_t> factors;  // its prime factors, ascending
    std::string text;                   // the shown factor text, "1" when there are none
};

// Prime factorization of a Long.
class Factorizer {
public:
    // The prime factors of n in ascending order, each as often as it divides n;
    // empty when n is 1 or less (0 and negatives included).
    static std::vector<std::int32_t> factorList(std::int32_t n);
    // Factorizes the first of the typed numbers; refuses an empty list.
    static FactorResult ofFirst(std::span<const std::int32_t> values);
};

} // namespace numbers
