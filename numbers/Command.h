#pragma once

namespace numbers {

// The four commands of the window, one for each button.
enum class Command { Factors, Hcf, Lcm, Primes };

} // namespace numbers
