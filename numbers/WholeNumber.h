#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace numbers {

// A whole number of any size, not negative, as exact results such as the LCM
// need. Immutable: copies share one value.
class WholeNumber {
public:
    // 0.
    WholeNumber();
    // The product of factors (1 for none).
    static WholeNumber product(std::span<const std::uint32_t> factors);

    bool isZero() const;
    // Plain decimal digits, every one of them.
    std::string decimal() const;

private:
    struct Value;
    explicit WholeNumber(std::shared_ptr<const Value> value);

    std::shared_ptr<const Value> value_;
};

} // namespace numbers
