#pragma once

#include <cstdint>
#include <vector>

// Straightforward implementations of the arithmetic rules, written for
// obviousness rather than speed: the fast cores in numbers/ must agree with them.
namespace ReferenceCores {

// Trial division by 2, 3, 4, ... up to n itself, restarting at 2 after each factor.
std::vector<std::int32_t> factorList(std::int32_t n);

struct Ladder {
    std::vector<std::uint32_t> rungs;
    std::vector<std::uint32_t> remaining;
// The numbers as they stood when each rung was tried and made.
    std::vector<std::vector<std::uint32_t>> before;
};

// The LCM ladder on the magnitudes of values (none of them 0): passes of
// candidates 2 up to the pass maximum, each tried once against the numbers as
// divided so far; a rung divides two numbers or more and shares no factor with
// the rest; passes stop after one that makes no rung.
Ladder ladder(const std::vector<std::int32_t> &values);

// x is prime when no d from 2 to x - 1 divides it; the primes from the
// smaller bound to the larger, ascending.
std::vector<std::int32_t> primes(std::int32_t a, std::int32_t b);

} // namespace ReferenceCores
