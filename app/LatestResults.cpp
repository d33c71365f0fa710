#include "LatestResults.h"

namespace {

std::size_t slot(numbers::Command command)
{
    return static_cast<std::size_t>(command);
}

} // namespace

LatestResults::LatestResults(QObject *parent) : QObject(parent) {}

void LatestResults::clear(Command command)
{
    switch (command) {
    case Command::Factors:
        factors_.reset();
        break;
    case Command::Hcf:
        hcf_.reset();
        break;
    case Command::Lcm:
        lcm_.reset();
        break;
    case Command::Primes:
        primes_.reset();
        break;
    }
    setAt_[slot(command)] = 0;
    emit changed();
}

void LatestResults::set(numbers::FactorResult result)
{
    factors_ = std::move(result);
    stamp(Command::Factors);
}

void LatestResults::set(numbers::HcfResult result)
{
    hcf_ = std::move(result);
    stamp(Command::Hcf);
}

void LatestResults::set(numbers::LcmResult result)
{
    lcm_ = std::move(result);
    stamp(Command::Lcm);
}

void LatestResults::set(numbers::PrimesResult result)
{
    primes_ = std::move(result);
    stamp(Command::Primes);
}

void LatestResults::numbersEdited()
{
    factors_.reset();
    hcf_.reset();
    lcm_.reset();
    for (const Command command : {Command::Factors, Command::Hcf, Command::Lcm})
        setAt_[slot(command)] = 0;
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

void LatestResults::stamp(Command command)
{
    setAt_[slot(command)] = ++sets_;
    emit changed();
    emit recorded(command);
}
