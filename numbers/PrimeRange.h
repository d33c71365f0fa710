#pragma once

#include "Results.h"
#include "Status.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace numbers {

struct BoundReading {
    Status status;
    std::int32_t bound = 0; // 1..225001 when accepted
};

// The primes between two bounds typed in the prime boxes.
namespace PrimeRange {

// The widest range whose sieve is shown step by step, and drawn.
inline constexpr std::int32_t MaxShownRange = 1000;

inline constexpr std::int32_t MinBound = 1;
inline constexpr std::int32_t MaxBound = 225001; // a typed bound stays below it, rounding may reach it

// A range of numbers, start <= end.
struct Bounds {
    std::int32_t start = MinBound;
    std::int32_t end = MinBound;
};

// Bounds a and b, in either order, ascending, each clamped to
// MinBound..MaxBound: 0 and negatives act as 1. Every range of primes is read so.
Bounds ordered(std::int32_t a, std::int32_t b);
// Whether the sieve of range is shown step by step and drawn as a grid: at
// most MaxShownRange numbers. A wider range shows only its primes' count.
bool isShownStepByStep(Bounds range);

// Reads the whole text of bound box boxNumber (1 or 2), read as a number of
// the numbers box is: numeric, with a value from 1 up to but excluding 225001,
// rounded half to even. Refuses anything else, 0 and negatives included.
BoundReading readBound(std::string_view text, int boxNumber);
// Every prime of the range ordered(a, b), ascending.
std::vector<std::int32_t> primesBetween(std::int32_t a, std::int32_t b);

} // namespace PrimeRange
} // namespace numbers
