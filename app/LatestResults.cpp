#include "LatestResults.h"

namespace {

std::size_t slot(numbers::Command command)
{
    return static_cast<std::size_t>(command);
}

// The working of result, made on first ask.
template <typename Working, typename Result>
const Working &madeOnce(std::optional<Working> &working, const std::optional<Result> &result,
                        Working (*make)(const Result &))
{
    if (!working)
        working = make(*result);
    return *working;
}

} // namespace

LatestResults::LatestResults(QObject *parent) : QObject(parent) {}

void LatestResults::clear(Command command)
{
    forget(command);
    emit changed();
}

void LatestResults::set(numbers::FactorResult result)
{
    forget(Command::Factors);
    factors_ = std::move(result);
    stamp(Command::Factors);
}

void LatestResults::set(numbers::HcfResult result)
{
    forget(Command::Hcf);
    hcf_ = std::move(result);
    stamp(Command::Hcf);
}

void LatestResults::set(numbers::LcmResult result)
{
    forget(Command::Lcm);
    lcm_ = std::move(result);
    stamp(Command::Lcm);
}

void LatestResults::set(numbers::PrimesResult result)
{
    forget(Command::Primes);
    primes_ = std::move(result);
    stamp(Command::Primes);
}

void LatestResults::numbersEdited()
{
    for (const Command command : {Command::Factors, Command::Hcf, Command::Lcm})
        forget(command);
    emit changed();
    emit numbersChanged();
}

bool LatestResults::has(Command command) const
{
    return setAt_[slot(command)] != 0;
}

std::optional<LatestResults::Command> LatestResults::latest() const
{
    std::optional<Command> latest;
    for (const Command command : {Command::Factors, Command::Hcf, Command::Lcm, Command::Primes}) {
        if (has(command) && (!latest || setAt_[slot(command)] > setAt_[slot(*latest)]))
            latest = command;
    }
    return latest;
}

const numbers::FactorWorking &LatestResults::factorWorking() const
{
    return madeOnce(factorWorking_, factors_, &numbers::factorWorking);
}

const numbers::HcfWorking &LatestResults::hcfWorking() const
{
    return madeOnce(hcfWorking_, hcf_, &numbers::hcfWorking);
}

const numbers::LcmWorking &LatestResults::lcmWorking() const
{
    return madeOnce(lcmWorking_, lcm_, &numbers::lcmWorking);
}

const numbers::SieveWorking &LatestResults::sieveWorking() const
{
    return madeOnce(sieveWorking_, primes_, &numbers::sieveWorking);
}

void LatestResults::forget(Command command)
{
    switch (command) {
    case Command::Factors:
        factors_.reset();
        factorWorking_.reset();
        break;
    case Command::Hcf:
        hcf_.reset();
        hcfWorking_.reset();
        break;
    case Command::Lcm:
        lcm_.reset();
        lcmWorking_.reset();
        break;
    case Command::Primes:
        primes_.reset();
        sieveWorking_.reset();
        break;
    }
    setAt_[slot(command)] = 0;
}

void LatestResults::stamp(Command command)
{
    setAt_[slot(command)] = ++sets_;
    emit changed();
    emit recorded(command);
}
