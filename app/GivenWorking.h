#pragma once

#include "Working.h"

#include <variant>

// A working the Working window shows on request, apart from the latest
// results: the working behind a practice question.
using GivenWorking = std::variant<numbers::FactorWorking, numbers::HcfWorking, numbers::LcmWorking>;
