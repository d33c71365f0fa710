#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace numbers {

// Practice: questions for a pupil to answer, the reading and checking of a
// typed answer, and the steps of the working given one by one as hints. All
// of it is data; numbers::Texts makes every text a pupil reads from it.

// What a question asks.
enum class PracticeKind {
    PrimeFactors, // write one number as a product of prime factors
    Hcf,          // find the HCF of two or three numbers
    Lcm,          // find the LCM of two or three numbers
    PrimeOrNot,   // say "prime", or split the number into two smaller numbers
};

// The kinds a round is drawn from, in the order of the window's Kind box.
enum class PracticeChoice {
    PrimeFactors,
    Hcf,
    Lcm,
    PrimeOrNot,
    Mixed, // the four kinds in turn: factors, HCF, LCM, prime or not, then again
};

struct Question {
    PracticeKind kind = PracticeKind::PrimeFactors;
    std::vector<std::uint32_t> numbers; // in the order asked; one for PrimeFactors and PrimeOrNot

    friend bool operator==(const Question &, const Question &) = default;
};

// Why an answer is right or wrong, and what its text names.
enum class VerdictReason {
    Right,                   // numbers: as for the right texts below
    NoAnswer,                // nothing but blanks
    Unreadable,              // quoted: the part that could not be read
    TooBig,                  // quoted: a number or exponent too large to be meant
    OneIsNotPrime,           // a factor 1 in prime factors
    FactorNotPrime,          // numbers: {factor, its smallest prime factor, the cofactor}
    WrongProduct,            // numbers: {the product, n}; tooLarge: the product passed 2^64
    NotAFactor,              // numbers: {the answer, the first number it does not divide}
    CommonFactorNotHighest,  // numbers: {the answer}
    NotAMultiple,            // numbers: {the answer, the first number that does not divide it}
    CommonMultipleNotLowest, // numbers: {the answer}
    SidesDiffer,             // terms: a side of "... = N"; numbers: {N}  ("2 x 3 is not 7.")
    CompositeCalledPrime,    // numbers: {n}
    ProductIsNotN,           // terms: the pupil's product; numbers: {its value, n}; tooLarge as above
    UseNumbersAboveOne,      // a product equal to n that uses 1
    PrimeOrProduct,          // prime or not answered with one number: numbers: {n}
};

// One factor as the pupil wrote it: base^exponent (exponent 1 when none).
struct Term {
    std::uint64_t base = 0;
    std::uint32_t exponent = 1;

    friend bool operator==(const Term &, const Term &) = default;
};

// The outcome of a check, as data. The right verdicts hold:
//   PrimeFactors: numbers {n}; terms: the exponent form of n, primes ascending;
//   Hcf / Lcm: numbers {the value};
//   PrimeOrNot: numbers {n}; terms: the pupil's product, or none when n is prime.
struct Verdict {
    PracticeKind kind = PracticeKind::PrimeFactors;
    VerdictReason reason = VerdictReason::Unreadable;
    std::vector<std::uint64_t> numbers;
    std::vector<Term> terms;
    std::string quoted;     // for Unreadable and TooBig: as typed (other scripts' digits in ASCII), cut to 40 characters
    bool tooLarge = false;  // a product beyond 64 bits: "far more than" n

    bool isRight() const { return reason == VerdictReason::Right; }
    friend bool operator==(const Verdict &, const Verdict &) = default;
};

// One step of a question's working, as data; Texts::hintLine writes it.
enum class HintKind {
    LadderRung,     // numbers {m, p, m / p}           "360 ÷ 2 = 180"
    ExponentForm,   // numbers {n}; terms: primes ascending   "360 = 2^3 x 3^2 x 5"
    EuclidDivision, // numbers {a, q, b, r}            "18 = 1 x 12 + 6"
    PairHcf,        // numbers {h, x, g}, before the next number's divisions   "HCF(12, 18) = 6"
    HcfIs,          // numbers {h}                     "HCF = 6"
    LcmRow,         // numbers {divisor, the row's numbers...}   "2 | 4  6  10"
    LcmRemains,     // numbers {the row that remains...}         "  | 1  3  5"
    LcmIs,          // numbers {l}                     "LCM = 36"
    PrimesToTry,    // numbers {n, the primes up to √n...}
    TrialDivision,  // numbers {n, p, quotient, remainder}   "91 ÷ 7 = 13" / "91 ÷ 2 = 45 r 1"
    IsPrime,        // numbers {n}                     "97 is a prime number."
    IsNotPrime,     // numbers {n, p, n / p}           "91 = 7 x 13: 91 is not prime."
};

struct HintStep {
    HintKind kind = HintKind::LadderRung;
    std::vector<std::uint64_t> numbers;
    std::vector<Term> terms;

    friend bool operator==(const HintStep &, const HintStep &) = default;
};

namespace Practice {

inline constexpr int RoundLength = 10;
inline constexpr int LowestLevel = 1;
inline constexpr int HighestLevel = 3;
// Longer answers are refused (as TooBig) before they are read.
inline constexpr std::size_t LongestAnswer = 1000;

// The kinds a choice draws in turn (Mixed: all four).
std::vector<PracticeKind> kindsOf(PracticeChoice choice);

// count questions at level (clamped to 1..3), the kinds drawn in turn from
// kinds (empty kinds gives no questions). The same arguments give the same
// questions on every build. No question repeats while the level has unused
// questions of its kind (the same numbers in another order count as the same
// question); among each RoundLength questions of PrimeOrNot, half are prime.
std::vector<Question> sheet(std::uint64_t seed, std::span<const PracticeKind> kinds, int level, int count);

// A round: RoundLength questions of the choice at level; roundNumber counts
// the rounds started since the program started (0 for the first).
std::vector<Question> round(std::uint64_t seed, PracticeChoice choice, int level, std::uint64_t roundNumber);

// Reads answer (UTF-8, as typed) for question and says whether it is right,
// and if not, why. primeWord is the word a pupil writes for "prime" in the
// language shown (Phrases::primeWord); "prime" is always accepted too.
Verdict check(const Question &question, std::string_view answer, std::string_view primeWord);

// The steps of the question's working, in order; at least one.
std::vector<HintStep> hints(const Question &question);

} // namespace Practice
} // namespace numbers
