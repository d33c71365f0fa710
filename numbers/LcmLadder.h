#pragma once

#include "Status.h"
#include "WholeNumber.h"

#include <cstdint>
#include <span>
#include <vector>

namespace numbers {

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

// The lowest common multiple by the division ladder.
namespace LcmLadder {

// Works on the magnitudes. Any 0 gives 0. Otherwise, pass after pass,
// candidates 2, 3, 4, ... up to the pass maximum are tried once each in
// increasing order against the numbers as divided so far; a candidate makes a
// rung when it divides at least two numbers and shares no factor with any
// number it does not divide, and then divides each number it divides, once.
// Passes end with the first pass that makes no rung. The LCM is exact, every
// digit; only an empty list is refused.
LcmResult of(std::span<const std::int32_t> values);

} // namespace LcmLadder
} // namespace numbers
