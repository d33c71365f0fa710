#pragma once

#include "Results.h"

#include <cstdint>
#include <span>
#include <vector>

namespace numbers {

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
