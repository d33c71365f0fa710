#pragma once

#include "Status.h"

#include <cstdint>
#include <span>
#include <vector>

namespace numbers {

// One step of the fold: the running value h meets the magnitude x of the next number.
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

// The highest common factor of the typed numbers.
namespace Hcf {

// Folds the gcd over the magnitudes from left to right, stopping early at 1:
// HCF(x, 0) = |x|, HCF(0, 0) = 0. Refuses fewer than two numbers.
HcfResult of(std::span<const std::int32_t> values);
// The HCF of two magnitudes; gcd(a, 0) = a.
std::uint32_t gcd(std::uint32_t a, std::uint32_t b);

} // namespace Hcf
} // namespace numbers
