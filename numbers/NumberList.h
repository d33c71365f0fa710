#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace numbers {

// The numbers typed in the numbers box: up to 101 whole numbers in text order.
// Only the first NumCount slots hold numbers of the current reading; the rest
// are never read.
class NumberList {
public:
    static constexpr int Capacity = 101;

    // The numbers of the current reading, in text order (empty when none).
    std::span<const std::int32_t> values() const { return {Numbers.data(), static_cast<std::size_t>(NumCount)}; }
    int count() const { return NumCount; }
    bool isFull() const { return NumCount == Capacity; }

    // Appends one number; returns false (and changes nothing) when the list is full.
    bool append(std::int32_t value);

private:
    std::array<std::int32_t, Capacity> Numbers{};
    int NumCount = 0;
};

} // namespace numbers
