#include "LcmLadder.h"

#include "Magnitude.h"
#include "PrimeTable.h"
#include "Working.h"

#include <algorithm>

namespace numbers {
namespace {

// One prime that at least two of the numbers still hold: which numbers hold it
// (ascending) and how often each of them does.
struct SharedPrime {
    std::uint32_t prime = 0;
    std::vector<std::size_t> holders;
    std::vector<std::uint8_t> exponents;
};

// The numbers of the ladder together with their factorizations.
//
// Why the rungs found here are the rungs of trying every candidate d = 2, 3,
// 4, ... in turn: d makes a rung exactly when the set D of numbers it divides
// has two members or more and every other number is coprime to d. Then each
// prime p of d is held by exactly the numbers of D (a number holding p shares
// p with d, so it is in D), and each number of D holds p at least as often as
// d does. Conversely, when all primes of d have one holder set H of two
// numbers or more, and d takes each of them no more often than every number
// of H holds it, then d divides exactly the numbers of H and is coprime to the
// rest. So the rungs open at any moment are the divisors above 1 of
// G(H) = the product of p^(least exponent of p in H) over the primes whose
// holder set is H, one G for each such set, and the next rung of a pass is the
// smallest of them above the pass's last rung. A prime held by fewer than two
// numbers can never be part of a rung again, since holder sets only shrink.
class FactorLadder {
public:
    explicit FactorLadder(std::vector<std::uint32_t> numbers) : numbers_(std::move(numbers))
    {
        struct Entry {
            std::uint32_t prime;
            std::size_t holder;
            std::uint8_t exponent;
        };
        std::vector<Entry> entries;
        std::vector<std::uint32_t> seen; // each distinct number is factorized once
        std::vector<std::vector<PrimePower>> seenPowers;
        for (std::size_t i = 0; i < numbers_.size(); ++i) {
            const auto found = std::find(seen.begin(), seen.end(), numbers_[i]);
            const auto at = static_cast<std::size_t>(found - seen.begin());
            if (found == seen.end()) {
                seen.push_back(numbers_[i]);
                seenPowers.push_back(primePowers(PrimeTable::instance().factors(numbers_[i])));
            }
            for (const PrimePower &power : seenPowers[at])
                entries.push_back({power.prime, i, static_cast<std::uint8_t>(power.exponent)});
        }
        std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
            return a.prime != b.prime ? a.prime < b.prime : a.holder < b.holder;
        });
        for (std::size_t k = 0; k < entries.size();) {
            std::size_t e = k;
            while (e < entries.size() && entries[e].prime == entries[k].prime)
                ++e;
            if (e - k >= 2) {
                SharedPrime shared{entries[k].prime, {}, {}};
                for (std::size_t j = k; j < e; ++j) {
                    shared.holders.push_back(entries[j].holder);
                    shared.exponents.push_back(entries[j].exponent);
                }
                shared_.push_back(std::move(shared));
            }
            k = e;
        }
    }

    const std::vector<std::uint32_t> &numbers() const { return numbers_; }
    std::vector<std::uint32_t> takeNumbers() { return std::move(numbers_); }

    // The smallest rung above last, or 0 when there is none.
    std::uint32_t nextRungAbove(std::uint32_t last)
    {
        order_.resize(shared_.size());
        for (std::size_t k = 0; k < order_.size(); ++k)
            order_[k] = k;
        std::sort(order_.begin(), order_.end(), [this](std::size_t a, std::size_t b) {
            return shared_[a].holders < shared_[b].holders;
        });
        std::uint64_t best = 0;
        for (std::size_t k = 0; k < order_.size();) {
            divisors_.assign(1, 1);
            std::size_t e = k;
            for (; e < order_.size() && shared_[order_[e]].holders == shared_[order_[k]].holders; ++e) {
                const SharedPrime &s = shared_[order_[e]];
                const std::uint8_t least = *std::min_element(s.exponents.begin(), s.exponents.end());
                const std::size_t before = divisors_.size();
                for (std::size_t j = 0; j < before; ++j) {
                    std::uint64_t d = divisors_[j];
                    for (std::uint8_t a = 0; a < least; ++a) {
                        d *= s.prime;
                        divisors_.push_back(d);
                    }
                }
            }
            for (const std::uint64_t d : divisors_)
                if (d > last && (best == 0 || d < best))
                    best = d;
            k = e;
        }
        return static_cast<std::uint32_t>(best); // a divisor of a number, so it fits
    }

    // Divides each number that rung divides, once, and the factorizations with them.
    void divide(std::uint32_t rung)
    {
        for (std::uint32_t &n : numbers_)
            if (n % rung == 0)
                n /= rung;
        std::size_t kept = 0;
        for (std::size_t k = 0; k < shared_.size(); ++k) {
            SharedPrime &s = shared_[k];
            std::uint8_t times = 0;
            for (std::uint32_t r = rung; r % s.prime == 0; r /= s.prime)
                ++times;
            if (times > 0) {
                // Every holder of a prime of the rung is divided, and holds it at least times often.
                std::size_t stays = 0;
                for (std::size_t j = 0; j < s.holders.size(); ++j) {
                    if (s.exponents[j] > times) {
                        s.holders[stays] = s.holders[j];
                        s.exponents[stays] = static_cast<std::uint8_t>(s.exponents[j] - times);
                        ++stays;
                    }
                }
                s.holders.resize(stays);
                s.exponents.resize(stays);
            }
            if (s.holders.size() >= 2) {
                if (kept != k)
                    shared_[kept] = std::move(s);
                ++kept;
            }
        }
        shared_.resize(kept);
    }

private:
    std::vector<std::uint32_t> numbers_;
    std::vector<SharedPrime> shared_;
    std::vector<std::size_t> order_;
    std::vector<std::uint64_t> divisors_;
};

} // namespace

std::vector<std::uint32_t> LcmResult::ladderFactors() const
{
    if (value.isZero())
        return {0};
    std::vector<std::uint32_t> factors = rungs;
    for (const std::uint32_t n : remaining)
        if (n > 1)
            factors.push_back(n);
    return factors;
}

LcmResult LcmLadder::of(std::span<const std::int32_t> values)
{
    LcmResult result;
    if (values.empty()) {
        result.status = Status::refused(Refusal::NoNumbers);
        return result;
    }
    result.numbers.assign(values.begin(), values.end());
    std::vector<std::uint32_t> numbers;
    numbers.reserve(values.size());
    for (const std::int32_t value : values)
        numbers.push_back(magnitude(value));

    if (std::find(numbers.begin(), numbers.end(), 0u) != numbers.end()) {
        result.remaining = std::move(numbers); // value stays 0
        return result;
    }

    FactorLadder ladder(std::move(numbers));
    bool madeRung = true;
    while (madeRung) {
        madeRung = false;
        std::uint32_t last = 1;
        while (const std::uint32_t rung = ladder.nextRungAbove(last)) {
            result.rows.push_back(ladder.numbers());
            ladder.divide(rung);
            result.rungs.push_back(rung);
            last = rung;
            madeRung = true;
        }
    }
    result.remaining = ladder.takeNumbers();
    std::vector<std::uint32_t> factors = result.rungs;
    factors.insert(factors.end(), result.remaining.begin(), result.remaining.end());
    result.value = WholeNumber::product(factors);
    return result;
}

} // namespace numbers
