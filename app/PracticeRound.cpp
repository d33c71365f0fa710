#include "PracticeRound.h"

#include <cassert>
#include <cstdint>
#include <utility>

namespace {

std::vector<std::int32_t> asValues(const std::vector<std::uint32_t> &numbers)
{
    return {numbers.begin(), numbers.end()};
}

} // namespace

PracticeRound::PracticeRound(std::vector<numbers::Question> questions, Clock::time_point started)
    : questions_(std::move(questions)), started_(started), ended_(started)
{
    assert(!questions_.empty());
    startQuestion();
}

numbers::Verdict PracticeRound::check(std::string_view answer, std::string_view primeWord, Clock::time_point now)
{
    numbers::Verdict verdict = numbers::Practice::check(question(), answer, primeWord);
    const bool firstCheck = !checked_;
    checked_ = true;
    if (verdict.isRight() && !answered_) {
        answered_ = true;
        if (firstCheck && !helped_)
            ++rightFirstTime_;
        if (index_ + 1 == questions_.size()) {
            over_ = true;
            ended_ = now;
        }
    }
    return verdict;
}

std::optional<numbers::HintStep> PracticeRound::nextHint()
{
    if (!hasMoreHints())
        return std::nullopt;
    helped_ = true;
    return hints_[hintsShown_++];
}

bool PracticeRound::hasMoreHints() const
{
    return hintsShown_ < hints_.size();
}

GivenWorking PracticeRound::working()
{
    helped_ = true;
    const std::vector<std::int32_t> values = asValues(question().numbers);
    switch (question().kind) {
    case numbers::PracticeKind::Hcf:
        return numbers::hcfWorking(values);
    case numbers::PracticeKind::Lcm:
        return numbers::lcmWorking(values);
    case numbers::PracticeKind::PrimeFactors:
    case numbers::PracticeKind::PrimeOrNot:
        break;
    }
    return numbers::factorWorking(values.front());
}

long long PracticeRound::seconds(Clock::time_point now) const
{
    const Clock::time_point end = over_ ? ended_ : now;
    return std::chrono::duration_cast<std::chrono::seconds>(end - started_).count();
}

void PracticeRound::next(Clock::time_point now)
{
    if (over_)
        return;
    if (index_ + 1 == questions_.size()) {
        over_ = true;
        ended_ = now;
        return;
    }
    ++index_;
    startQuestion();
}

void PracticeRound::startQuestion()
{
    hints_ = numbers::Practice::hints(question());
    hintsShown_ = 0;
    checked_ = false;
    helped_ = false;
    answered_ = false;
}
