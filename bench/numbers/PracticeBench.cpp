// Times practice as a pupil meets it: a check of a typed answer, the hint
// list of a question and a new question, each against the goal of 5 ms, and
// prints a table of the figures.
#include "CollectingReporter.h"
#include "Practice.h"
#include "Texts.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

using namespace numbers;

namespace {

const Question Factors{PracticeKind::PrimeFactors, {9240}};
const Question PrimeOrNot{PracticeKind::PrimeOrNot, {1999}}; // prime: all 14 primes up to 44 are tried
const Question Lcm{PracticeKind::Lcm, {96, 80, 90}};

// The longest answer read: 1000 characters of factors.
std::string longestAnswer()
{
    std::string answer = "2 x 2 x 2 x 3 x 5 x 7 x 11";
    while (answer.size() + 4 <= Practice::LongestAnswer)
        answer += " x 1";
    return answer;
}

void CheckTypical(benchmark::State &state)
{
    const Texts texts;
    for (auto _ : state)
        benchmark::DoNotOptimize(texts.verdictText(Practice::check(Factors, "2\u00B3 \u00D7 3 \u00D7 5 \u00D7 7 \u00D7 11", "prime")));
}

void CheckLongest(benchmark::State &state)
{
    const Texts texts;
    const std::string answer = longestAnswer();
    for (auto _ : state)
        benchmark::DoNotOptimize(texts.verdictText(Practice::check(Factors, answer, "prime")));
}

void HintList(benchmark::State &state)
{
    const Texts texts;
    const Question &question = state.range(0) == 0 ? PrimeOrNot : Lcm;
    for (auto _ : state)
        for (const HintStep &step : Practice::hints(question))
            benchmark::DoNotOptimize(texts.hintLine(step));
}

// A round of ten questions of the kind at level 3 (Mixed for 4).
void Round(benchmark::State &state)
{
    std::uint64_t seed = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(Practice::round(++seed, static_cast<PracticeChoice>(state.range(0)), 3, 0));
}

// Level 1 prime factors hold 41 questions: the 42nd is drawn only after the
// generator gives up looking for an unused one, its slowest case.
void SheetPastUsedUp(benchmark::State &state)
{
    const std::vector<PracticeKind> kinds{PracticeKind::PrimeFactors};
    for (auto _ : state)
        benchmark::DoNotOptimize(Practice::sheet(1, kinds, 1, static_cast<int>(state.range(0))));
}

BENCHMARK(CheckTypical)->Unit(benchmark::kMicrosecond);
BENCHMARK(CheckLongest)->Unit(benchmark::kMicrosecond);
BENCHMARK(HintList)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(Round)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);
BENCHMARK(SheetPastUsedUp)->Arg(41)->Arg(42)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    CollectingReporter r;
    benchmark::RunSpecifiedBenchmarks(&r);
    benchmark::Shutdown();

    constexpr double Goal = 5000; // microseconds: a check, a hint list, a new question
    const auto row = [&](const char *what, double micros) {
        std::printf("| %-52s | %10.1f | %9.0f | %-3s |\n", what, micros, Goal, micros <= Goal ? "yes" : "NO");
    };
    const auto at = [&](const char *name) { return r.micros.count(name) ? r.micros.at(name) : 0.0; };
    std::printf("\n| %-52s | %10s | %9s | %-3s |\n", "case", "time (us)", "goal (us)", "met");
    std::printf("|%s|%s|%s|%s|\n", std::string(54, '-').c_str(), std::string(12, '-').c_str(), std::string(11, '-').c_str(),
                std::string(5, '-').c_str());
    row("check and verdict, \"2^3 x 3 x 5 x 7 x 11\" (raised 3)", at("CheckTypical"));
    row("check and verdict, longest answer (1000 characters)", at("CheckLongest"));
    row("hint list and lines, is 1999 prime (14 trials)", at("HintList/0"));
    row("hint list and lines, LCM of 96, 80 and 90", at("HintList/1"));
    const char *const kinds[] = {"prime factors", "HCF", "LCM", "prime or not", "mixed"};
    for (int k = 0; k < 5; ++k) {
        const std::string name = "Round/" + std::to_string(k);
        const std::string what = std::string("new question, level 3 ") + kinds[k] + " (a round / 10)";
        row(what.c_str(), at(name.c_str()) / 10);
    }
    row("new question past a used-up level (42nd of 41)", at("SheetPastUsedUp/42") - at("SheetPastUsedUp/41"));
    return 0;
}
