#pragma once

#include "GivenWorking.h"
#include "Practice.h"

#include <chrono>
#include <optional>
#include <string_view>
#include <vector>

// One round of practice as data: its questions, the state of the question on
// show (checked, answered right, hints shown, working shown), the count of
// questions right first time and the round's clock. A question is right first
// time when its first check is right and neither a hint nor the working was
// shown before it. The round is over once its last question is answered right
// or skipped.
class PracticeRound {
public:
    using Clock = std::chrono::steady_clock;

    // questions must not be empty; the clock starts at started.
    PracticeRound(std::vector<numbers::Question> questions, Clock::time_point started);

    const numbers::Question &question() const { return questions_[index_]; }
    // The question on show counted from 1, and the count of the round.
    int number() const { return static_cast<int>(index_) + 1; }
    int count() const { return static_cast<int>(questions_.size()); }
    int rightFirstTime() const { return rightFirstTime_; }

    // Checks answer at now; the first right check counts when it is right
    // first time, and on the last question ends the round.
    numbers::Verdict check(std::string_view answer, std::string_view primeWord, Clock::time_point now);
    // The next step of the working, none after the last.
    std::optional<numbers::HintStep> nextHint();
    bool hasMoreHints() const;
    // The working of the question on show; once asked for, the question is
    // not right first time.
    GivenWorking working();

    bool isAnswered() const { return answered_; }
    bool isOver() const { return over_; }
    // Whole seconds from the start of the round to its end (or to now).
    long long seconds(Clock::time_point now) const;
    // The next question; on the last one, ends the round. An unanswered
    // question is skipped, not right.
    void next(Clock::time_point now);

private:
    void startQuestion();

    std::vector<numbers::Question> questions_;
    std::size_t index_ = 0;
    std::vector<numbers::HintStep> hints_;
    std::size_t hintsShown_ = 0;
    bool checked_ = false;
    bool helped_ = false; // a hint or the working has been shown
    bool answered_ = false;
    bool over_ = false;
    int rightFirstTime_ = 0;
    Clock::time_point started_;
    Clock::time_point ended_;
};
