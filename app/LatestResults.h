#pragma once

#include "Command.h"
#include "Results.h"
#include "Working.h"

#include <QObject>

#include <array>
#include <optional>

// The latest result of each command, as data, with its working beside it: the
// one place a result is kept after its command. A command clears its own
// result when it starts and sets it only when it completes, so a refused
// command leaves none. The rule of an edit lives here: an edit of the numbers
// clears the factors, HCF and LCM made from them; the primes, read from their
// own boxes, stay. Whatever offers a result (the Show Working entries,
// Ctrl+Shift+W, the Working window) asks here, so nothing stale is ever offered.
class LatestResults : public QObject {
    Q_OBJECT

public:
    using Command = numbers::Command;

    explicit LatestResults(QObject *parent = nullptr);

    void clear(Command command);
    void set(numbers::FactorResult result);
    void set(numbers::HcfResult result);
    void set(numbers::LcmResult result);
    void set(numbers::PrimesResult result);
    // The numbers box has changed: the results read from it are cleared.
    void numbersEdited();

    bool has(Command command) const;
    // The command whose result was set last among those still kept.
    std::optional<Command> latest() const;

    const std::optional<numbers::FactorResult> &factors() const { return factors_; }
    const std::optional<numbers::HcfResult> &hcf() const { return hcf_; }
    const std::optional<numbers::LcmResult> &lcm() const { return lcm_; }
    const std::optional<numbers::PrimesResult> &primes() const { return primes_; }

    // The working of the kept result, which must be kept: made on its first
    // ask, then kept with its result until the result goes.
    const numbers::FactorWorking &factorWorking() const;
    const numbers::HcfWorking &hcfWorking() const;
    const numbers::LcmWorking &lcmWorking() const;
    const numbers::SieveWorking &sieveWorking() const;

signals:
    // command's result has just been set.
    void recorded(numbers::Command command);
    // Some result has been set or cleared.
    void changed();
    // The numbers box has changed (after its results are cleared).
    void numbersChanged();

private:
    void forget(Command command);
    void stamp(Command command);

    std::optional<numbers::FactorResult> factors_;
    std::optional<numbers::HcfResult> hcf_;
    std::optional<numbers::LcmResult> lcm_;
    std::optional<numbers::PrimesResult> primes_;
    mutable std::optional<numbers::FactorWorking> factorWorking_;
    mutable std::optional<numbers::HcfWorking> hcfWorking_;
    mutable std::optional<numbers::LcmWorking> lcmWorking_;
    mutable std::optional<numbers::SieveWorking> sieveWorking_;
    std::array<unsigned long long, 4> setAt_{}; // when each was set; 0 when none is kept
    unsigned long long sets_ = 0;
};
