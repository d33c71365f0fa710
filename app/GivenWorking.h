#pragma once

#include "Factorizer.h"
#include "Hcf.h"
#include "LcmLadder.h"

#include <variant>

// A result whose working the Working window shows on request, apart from the
// latest results: the working behind a practice question.
using GivenWorking = std::variant<numbers::FactorResult, numbers::HcfResult, numbers::LcmResult>;
