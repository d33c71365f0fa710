#pragma once

#include "Status.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace numbers {

struct BoundReading {
    Status status;
    std::int32_t bound = 0; // 1..225001 when accepted
};

struct PrimesResult {
    std::array<std::int32_t, 2> bounds{}; // as read from box 1 and box 2
    std::vector<std::int32_t> primes;     // every prime between them, ascending

    std::int32_t start() const { return bounds[0] < bounds[1] ? bounds[0] : bounds[1]; }
    std::int32_t end() const { return bounds[0] < bounds[1] ? bounds[1] : bounds[0]; }
};

struct SieveCrossing {
    std::int32_t prime = 0;
    // The numbers of the range whose smallest prime factor is prime, other than
    // prime itself, ascending.
    std::vector<std::int32_t> crossed;
};

// The sieve of Eratosthenes as school works it over a range.
struct SieveSteps {
    std::int32_t start = 0;      // the smaller bound
    std::int32_t end = 0;        // the larger bound
    bool wide = false;           // more than PrimeRange::MaxShownRange numbers: only the primes' count is shown
    bool crossesOutOne = false;  // the range holds 1
    // One per prime p with p x p <= end, ascending; none for a wide range.
    std::vector<SieveCrossing> crossings;
    std::int32_t stopPrime = 0;  // the smallest prime q with q x q > end
    std::int64_t stopSquare = 0; // q x q
    std::vector<std::int32_t> primes; // the primes of the range, ascending
};

// The primes between two bounds typed in the prime boxes.
namespace PrimeRange {

// The widest range whose sieve is shown step by step, and drawn.
inline constexpr std::int32_t MaxShownRange = 1000;

inline constexpr std::int32_t MinBound = 1;
inline constexpr std::int32_t MaxBound = 225001; // a typed bound stays below it, rounding may reach it

// Reads the whole text of bound box boxNumber (1 or 2), read as a number of
// the numbers box is: numeric, with a value from 1 up to but excluding 225001,
// rounded half to even. Refuses anything else, 0 and negatives included.
BoundReading readBound(std::string_view text, int boxNumber);
// Every prime p with min(a, b) <= p <= max(a, b), ascending. Bounds are
// clamped to 1..225001 first, so 0 and negatives act as 1.
std::vector<std::int32_t> primesBetween(std::int32_t a, std::int32_t b);
// The sieve of Eratosthenes over the numbers between bounds a and b, in either
// order, each clamped to MinBound..MaxBound.
SieveSteps sieveSteps(std::int32_t a, std::int32_t b);

} // namespace PrimeRange
} // namespace numbers
