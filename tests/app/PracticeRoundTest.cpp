// A round of practice: which questions count as right first time, where a
// skip leads, when the round is over and how long it took.

#include "PracticeRound.h"

#include <gtest/gtest.h>

namespace {

using numbers::PracticeKind;
using namespace std::chrono_literals;

struct RoundRow {
    const char *name;
    // One action a second, in turn: R a right check, W a wrong one, H a hint,
    // G the working, N the next question.
    const char *actions;
    int number;
    int rightFirstTime;
    bool over;
    long long seconds; // asked 1000 s after the start
};

class PracticeRoundTest : public testing::TestWithParam<RoundRow> {};

TEST_P(PracticeRoundTest, CountsRightFirstTime)
{
    // Each question with the right answer typed for it.
    const std::vector<std::pair<numbers::Question, const char *>> asked{
        {{PracticeKind::Hcf, {12, 18}}, "6"},
        {{PracticeKind::Lcm, {4, 6}}, "12"},
        {{PracticeKind::PrimeFactors, {12}}, "2 x 2 x 3"},
        {{PracticeKind::PrimeOrNot, {7}}, "prime"}};
    std::vector<numbers::Question> questions;
    for (const auto &[question, right] : asked)
        questions.push_back(question);
    const PracticeRound::Clock::time_point start{};
    PracticeRound round(questions, start);

    const std::string actions = GetParam().actions;
    for (std::size_t i = 0; i < actions.size(); ++i) {
        const auto now = start + std::chrono::seconds(i + 1);
        switch (actions[i]) {
        case 'R':
            EXPECT_TRUE(round.check(asked[round.number() - 1].second, "prime", now).isRight());
            EXPECT_TRUE(round.isAnswered());
            break;
        case 'W':
            EXPECT_FALSE(round.check("5", "prime", now).isRight());
            break;
        case 'H':
            EXPECT_TRUE(round.nextHint().has_value());
            break;
        case 'G':
            round.working();
            break;
        default:
            round.next(now);
        }
    }
    EXPECT_EQ(round.number(), GetParam().number);
    EXPECT_EQ(round.rightFirstTime(), GetParam().rightFirstTime);
    EXPECT_EQ(round.isOver(), GetParam().over);
    EXPECT_EQ(round.seconds(start + 1000s), GetParam().seconds);
}

INSTANTIATE_TEST_SUITE_P(Practice, PracticeRoundTest, testing::Values(
    RoundRow{"NothingDone", "", 1, 0, false, 1000},
    RoundRow{"RightFirstTimeThenSkipped", "RNN", 3, 1, false, 1000},
    RoundRow{"RightStaysOnShow", "R", 1, 1, false, 1000},
    RoundRow{"RightAgainCountsOnce", "RR", 1, 1, false, 1000},
    RoundRow{"WrongAfterRightKeepsIt", "RW", 1, 1, false, 1000},
    RoundRow{"WrongHintOrWorkingFirst", "WRNHRNGR", 3, 0, false, 1000},
    RoundRow{"OverOnTheLastRight", "RNRNRNR", 4, 4, true, 7},
    RoundRow{"OverOnASkipOfTheLast", "NNNN", 4, 0, true, 4},
    RoundRow{"NextAfterTheEndChangesNothing", "NNNNN", 4, 0, true, 4}),
    [](const testing::TestParamInfo<RoundRow> &info) { return std::string(info.param.name); });

} // namespace
