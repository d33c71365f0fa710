#pragma once

#include "Status.h"
#include "WholeNumber.h"

#include <array>
#include <cstdint>
#include <vector>

// The results of the four commands, as the cores return them and the window
// keeps them. The working behind each (Working.h) is made from these.
namespace numbers {

struct FactorResult {
    Status status;
    std::int32_t number = 0;            // the number factorized, as read
    std::vector<std::int32_t> factors;  // its prime factors, ascending; none for 1 and below
};

// One step of the HCF fold: the running value h meets the magnitude x of the next number.
struct HcfStep {
    std::uint32_t h = 0;
    std::uint32_t x = 0;
    std::uint32_t g = 0; // HCF(h, x)
};

struct HcfResult {
    Status status;
    std::vector<std::int32_t> numbers; // the numbers as read, signs included
    std::int64_t value = 0;            // never negative; up to 2147483648
    std::vector<HcfStep> steps;        // the fold's steps in order, up to the one that reached 1
};

struct LcmResult {
    Status status;
    std::vector<std::int32_t> numbers;            // the numbers as read, signs included
    WholeNumber value;                            // the exact LCM, every digit; 0 when any number is 0
    std::vector<std::uint32_t> rungs;             // the ladder's divisors in the order found
    std::vector<std::vector<std::uint32_t>> rows; // rows[k]: the magnitudes just before rung k divided them
    std::vector<std::uint32_t> remaining;         // what is left of each number's magnitude

    // The factors whose product is the LCM, in ladder order: the rungs, then
    // the remaining numbers above 1; the single factor 0 when a number is 0.
    std::vector<std::uint32_t> ladderFactors() const;
};

struct PrimesResult {
    std::array<std::int32_t, 2> bounds{}; // as read from box 1 and box 2
    std::vector<std::int32_t> primes;     // every prime between them, ascending

    std::int32_t start() const { return bounds[0] < bounds[1] ? bounds[0] : bounds[1]; }
    std::int32_t end() const { return bounds[0] < bounds[1] ? bounds[1] : bounds[0]; }
};

} // namespace numbers
