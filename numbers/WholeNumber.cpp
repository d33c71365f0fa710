#include "WholeNumber.h"

#include <gmpxx.h>

namespace numbers {

struct WholeNumber::Value {
    mpz_class number;
};

WholeNumber::WholeNumber() : value_(std::make_shared<const Value>()) {}

WholeNumber::WholeNumber(std::shared_ptr<const Value> value) : value_(std::move(value)) {}

WholeNumber WholeNumber::product(std::span<const std::uint32_t> factors)
{
    auto value = std::make_shared<Value>();
    value->number = 1;
    for (const std::uint32_t factor : factors)
        mpz_mul_ui(value->number.get_mpz_t(), value->number.get_mpz_t(), factor);
    return WholeNumber(std::move(value));
}

bool WholeNumber::isZero() const
{
    return value_->number == 0;
}

std::string WholeNumber::decimal() const
{
    return value_->number.get_str();
}

} // namespace numbers
