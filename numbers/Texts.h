#pragma once

#include "Command.h"
#include "Factorizer.h"
#include "Hcf.h"
#include "LcmLadder.h"
#include "Phrases.h"
#include "PrimeRange.h"
#include "Status.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace numbers {

// Every text a user reads about a result, made from the result's data and one
// table of phrases: the captions, the elapsed time, the refusal messages and
// the working. Numbers are written in plain decimal digits, "-" for negatives,
// without group separators.
class Texts {
public:
    // English.
    Texts() = default;
    explicit Texts(Phrases phrases) : phrases_(std::move(phrases)) {}

    // The table the texts are made of, for the captions that are phrases alone.
    const Phrases &phrases() const { return phrases_; }

    // pattern with "%1", "%2", ... replaced by the values in order.
    static std::string fill(std::string_view pattern, std::initializer_list<std::string_view> values);

    // The captions of the results. A factor text is its factors joined into a
    // product after one blank (" 2 x 2 x 3"), or "1" when there are none.
    std::string factorsCaption(const FactorResult &result) const;
    std::string factorsFrameTitle(const FactorResult &result) const;
    std::string hcfCaption(const HcfResult &result) const;
    std::string lcmCaption(const LcmResult &result) const;
    std::string lcmFactorsCaption(const LcmResult &result) const;
    std::string primeCountCaption(const PrimesResult &result) const;
    // The time a command took: milliseconds rounded to a whole number, halves
    // away from zero (15.625 gives "16", 0.4 gives "0"), then the command's words.
    std::string elapsedCaption(Command command, double milliseconds) const;

    // The message of a refusal.
    std::string refusal(const Status &status) const;

    // The working behind each result, laid out as school teaches it, in lines
    // separated by line feeds (no line ends with a blank, no line feed at the
    // end); plain ASCII in English. The headers show the numbers as read, signs
    // included. A refused result's working is its refusal.
    //
    // The division ladder of the first number and its factors in exponent form.
    std::string factorsWorking(const FactorResult &result) const;
    // Euclid's divisions for each step of the HCF fold.
    std::string hcfWorking(const HcfResult &result) const;
    // The LCM ladder as a table, then the product that gives the LCM.
    std::string lcmWorking(const LcmResult &result) const;
    // The sieve of Eratosthenes over the range, step by step, and the primes
    // left; for a range wider than PrimeRange::MaxShownRange only their count.
    std::string primesWorking(const PrimesResult &result) const;

private:
    Phrases phrases_;
};

} // namespace numbers
