#pragma once

#include "Factorizer.h"
#include "Hcf.h"
#include "LcmLadder.h"

#include <cstdint>
#include <span>
#include <string>

namespace numbers {

// The working behind each result, laid out as school teaches it, in plain
// ASCII lines separated by line feeds (no line ends with a blank, no line feed
// at the end). Built from what the cores recorded; the headers show the
// numbers as read, signs included.
class WorkingText {
public:
    // The division ladder of the first number and its factors in exponent form.
    static std::string ofFactors(const FactorResult &result);
    // Euclid's divisions for each step of the HCF fold over values.
    static std::string ofHcf(std::span<const std::int32_t> values, const HcfResult &result);
    // The LCM ladder of values as a table, then the product that gives the LCM.
    static std::string ofLcm(std::span<const std::int32_t> values, const LcmResult &result);
};

} // namespace numbers
