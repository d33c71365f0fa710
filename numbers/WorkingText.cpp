#include "WorkingText.h"

namespace numbers {

// Placeholder bodies: the layouts are written next.
std::string WorkingText::ofFactors(const FactorResult &) { return {}; }
std::string WorkingText::ofHcf(std::span<const std::int32_t>, const HcfResult &) { return {}; }
std::string WorkingText::ofLcm(std::span<const std::int32_t>, const LcmResult &) { return {}; }

} // namespace numbers
