#pragma once

#include "Results.h"

#include <cstdint>
#include <span>
#include <vector>

namespace numbers {

// The highest common factor of the typed numbers.
namespace Hcf {

// Folds the gcd over the magnitudes from left to right, stopping early at 1:
// HCF(x, 0) = |x|, HCF(0, 0) = 0. Refuses fewer than two numbers.
HcfResult of(std::span<const std::int32_t> values);
// The HCF of two magnitudes; gcd(a, 0) = a.
std::uint32_t gcd(std::uint32_t a, std::uint32_t b);

} // namespace Hcf
} // namespace numbers
