#pragma once

#include "Status.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace numbers {

struct BoundReading {
    Status status;
    std::int32_t bound = 0; // 1..225001 when accepted
};

// The primes between two bounds typed in the prime boxes.
class PrimeRange {
public:
    static constexpr std::int32_t MinBound = 1;
    static constexpr std::int32_t MaxBound = 225001; // a typed bound stays below it, rounding may reach it

    // Reads the whole text of bound box boxNumber (1 or 2): numeric, with a value
    // from 1 up to but excluding 225001, rounded half to even. Refuses anything
    // else, 0 and negatives included, with "Enter positive valid number in Box N.".
    static BoundReading readBound(std::string_view text, int boxNumber);
    // Every prime p with min(a, b) <= p <= max(a, b), ascending. Bounds are
    // clamped to 1..225001 first, so 0 and negatives act as 1.
    static std::vector<std::int32_t> primesBetween(std::int32_t a, std::int32_t b);
    // "N Primes", the same word for every count.
    static std::string countCaption(std::size_t count);
};

} // namespace numbers
