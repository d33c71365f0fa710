#pragma once

#include "Results.h"
#include "Status.h"
#include "WholeNumber.h"

#include <cstdint>
#include <span>
#include <vector>

// The working behind each command as data: the steps school writes, as
// numbers, computed once from a command's result (or from any numbers, for
// practice and worksheets) and then only read: by Texts, which words them, by
// the pictures' layouts, by hints and answer keys. Every factory here is
// deterministic and cheap (at most a few factorizations of 32-bit numbers or
// a sieve of the prime range).
namespace numbers {

// ---- Factors ----------------------------------------------------------------

// A prime and how often it divides a number: 2^3 in 360 = 2^3 x 3^2 x 5.
struct PrimePower {
    std::uint32_t prime = 0;
    int exponent = 0; // 1 or more

    friend bool operator==(const PrimePower &, const PrimePower &) = default;
};

// The one place exponents are formed: the prime factors (ascending, each as
// often as it divides) gathered into prime powers, ascending by prime.
std::vector<PrimePower> primePowers(std::span<const std::uint32_t> factors);

// One rung of the division ladder of a number: divisor | dividend, leaving quotient.
struct DivisionRung {
    std::uint32_t divisor = 0; // a prime
    std::uint32_t dividend = 0;
    std::uint32_t quotient = 0; // dividend / divisor

    friend bool operator==(const DivisionRung &, const DivisionRung &) = default;
};

// A node of the factor tree: a composite splits into left x right; a prime is a leaf.
struct TreeSplit {
    std::uint32_t value = 0;
    int parent = -1; // index in FactorWorking::tree, -1 for the root
    int left = -1;   // the smaller factor a, the largest divisor of value with a x a <= value; -1 for a prime
    int right = -1;  // value / a; -1 for a prime

    bool isPrime() const { return left < 0; }
};

struct FactorWorking {
    Status status;                     // a refused command's working is its refusal
    std::int32_t number = 0;           // the number factorized, as read
    std::vector<std::uint32_t> factors; // its prime factors, ascending, with repetition; none below 2
    std::vector<PrimePower> powers;    // the same as prime powers: the exponent form
    // The division ladder from the number down: one rung per prime factor, the
    // last quotient 1. Empty below 2.
    std::vector<DivisionRung> ladder;
    // The factor tree, depth first, each node before its children, the left
    // subtree before the right; tree[0] is the number. Empty below 2.
    std::vector<TreeSplit> tree;

    bool isPrime() const { return factors.size() == 1; }
};

FactorWorking factorWorking(std::int32_t n);
FactorWorking factorWorking(const FactorResult &result);

// ---- Venn diagram of prime factors ------------------------------------------

// What a Venn diagram of the prime factors of two or three numbers shows.
struct VennContents {
    std::vector<std::uint32_t> magnitudes; // one per circle, the numbers without their signs; none when not drawn
    // The part of the diagram inside exactly the circles in members (bit i for
    // circle i) and outside the others. With two numbers: first only; first and
    // second; second only. With three: first only; first and second; all three;
    // first and third; second only; second and third; third only.
    struct Region {
        unsigned members = 0;
        std::vector<std::uint32_t> factors; // ascending, with repetition
    };
    std::vector<Region> regions; // empty regions included
    std::vector<std::uint32_t> hcfFactors; // the region inside every circle: the HCF
    std::vector<std::uint32_t> lcmFactors; // every factor, ascending: the LCM
    WholeNumber hcf;                       // the product of hcfFactors
    WholeNumber lcm;                       // the product of lcmFactors

    // A diagram is drawn for two or three numbers, none of them 0.
    bool isDrawn() const { return !magnitudes.empty(); }
};

// The contents of the Venn diagram of the prime factors of the magnitudes of
// values; empty unless there are two or three values, none of them 0.
VennContents vennContents(std::span<const std::int32_t> values);

// ---- HCF --------------------------------------------------------------------

// One of Euclid's divisions: dividend = quotient x divisor + remainder.
struct EuclidDivision {
    std::uint32_t dividend = 0;
    std::uint32_t divisor = 0;
    std::uint32_t quotient = 0;
    std::uint32_t remainder = 0;

    friend bool operator==(const EuclidDivision &, const EuclidDivision &) = default;
};

// One step of the fold: HCF(h, x) = g by Euclid's divisions of the larger by
// the smaller, down to the remainder 0; none when the smaller is 0.
struct HcfFoldStep {
    std::uint32_t h = 0; // the running HCF so far (the first number's magnitude at first)
    std::uint32_t x = 0; // the next number's magnitude
    std::uint32_t g = 0; // HCF(h, x): the running HCF after this step
    std::vector<EuclidDivision> divisions;
};

struct HcfWorking {
    Status status;
    std::vector<std::int32_t> numbers; // as read, signs included
    std::vector<HcfFoldStep> steps;    // up to the one that reached 1
    std::int64_t value = 0;            // the HCF
    bool stoppedEarly = false;         // reached 1 with numbers left over, which cannot change it
    VennContents venn;                 // of two or three numbers; not drawn otherwise
};

HcfWorking hcfWorking(std::span<const std::int32_t> values);
HcfWorking hcfWorking(const HcfResult &result);

// ---- LCM --------------------------------------------------------------------

// One row of the LCM ladder: divisor | the magnitudes it divides (those it divides, once).
struct LadderRow {
    std::uint32_t divisor = 0;
    std::vector<std::uint32_t> numbers; // every number's magnitude as it stands before this rung
};

struct LcmWorking {
    Status status;
    std::vector<std::int32_t> numbers;     // as read, signs included
    bool zero = false;                     // a number is 0, so the LCM is 0 and there is no ladder
    std::vector<LadderRow> rows;           // the ladder, top down
    std::vector<std::uint32_t> remaining;  // what is left of each magnitude under the ladder
    std::vector<std::uint32_t> product;    // the factors whose product is the LCM: the divisors, then the remaining above 1; {0} when zero
    WholeNumber value;                     // the LCM, every digit
    // Each number's prime factorization, in the numbers' order; none for 0 and 1.
    std::vector<std::vector<PrimePower>> factorizations;
    VennContents venn;                     // of two or three numbers; not drawn otherwise
};

LcmWorking lcmWorking(std::span<const std::int32_t> values);
LcmWorking lcmWorking(const LcmResult &result);

// ---- Primes -----------------------------------------------------------------

// The multiples a prime crosses out that no smaller prime crossed.
struct SieveCrossing {
    std::int32_t prime = 0;
    // The numbers of the range whose smallest prime factor is prime, other than
    // prime itself, ascending.
    std::vector<std::int32_t> crossed;
};

// The sieve of Eratosthenes as school works it over a range.
struct SieveWorking {
    std::int32_t start = 0;      // the smaller bound, clamped to the prime bounds
    std::int32_t end = 0;        // the larger bound, clamped
    bool wide = false;           // wider than the range shown step by step (PrimeRange::isShown): only the count is shown
    bool crossesOutOne = false;  // the range holds 1
    // One per prime p with p x p <= end, ascending; none for a wide range.
    std::vector<SieveCrossing> crossings;
    std::int32_t stopPrime = 0;  // the smallest prime q with q x q > end
    std::int64_t stopSquare = 0; // q x q
    std::vector<std::int32_t> primes; // the primes of the range, ascending
};

// Bounds in either order, as typed.
SieveWorking sieveWorking(std::int32_t a, std::int32_t b);
// Reuses the result's primes.
SieveWorking sieveWorking(const PrimesResult &result);

// ---- Prime or not -----------------------------------------------------------

// One trial division: number = quotient x divisor + remainder.
struct TrialDivision {
    std::uint32_t divisor = 0; // a prime
    std::uint32_t quotient = 0;
    std::uint32_t remainder = 0;

    friend bool operator==(const TrialDivision &, const TrialDivision &) = default;
};

// Whether a number is prime, by trial division as school works it: the primes
// up to its square root, tried in turn up to the first that divides it.
struct PrimalityWorking {
    std::uint32_t number = 0;
    std::vector<std::uint32_t> primesToTry; // the primes p with p x p <= number, ascending
    std::vector<TrialDivision> trials;      // in turn, up to the first with remainder 0
    bool prime = false;                     // 2 or more, and no prime to try divides it
};

PrimalityWorking primalityWorking(std::uint32_t n);

} // namespace numbers
