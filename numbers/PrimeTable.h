#pragma once

#include <cstdint>
#include <vector>

namespace numbers {

// The odd primes up to the square root of 2^32, each with the constants of a
// multiply-only divisibility test, for fast trial division of 32-bit values.
class PrimeTable {
public:
    // The shared table, built on first use.
    static const PrimeTable &instance();

    // The prime factors of n in ascending order, with repetition; empty for 0 and 1.
    std::vector<std::uint32_t> factors(std::uint32_t n) const;

private:
    PrimeTable();

    struct OddPrime {
        std::uint32_t prime;
        std::uint32_t inverse; // prime * inverse == 1 (mod 2^32)
        std::uint32_t limit;   // n is divisible by prime exactly when n * inverse <= limit
    };
    std::vector<OddPrime> oddPrimes_;
};

} // namespace numbers
