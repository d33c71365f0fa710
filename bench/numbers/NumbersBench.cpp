// Times the number cores against the straightforward rules they must agree
// with, then prints a table of the figures, the ratio and the goal of each.
#include "CollectingReporter.h"
#include "ReferenceCores.h"

#include "Factorizer.h"
#include "InputReader.h"
#include "LcmLadder.h"
#include "PictureLayout.h"
#include "PrimeRange.h"
#include "Texts.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

using namespace numbers;

namespace {

std::vector<std::int32_t> nearTop(std::int32_t top)
{
    std::vector<std::int32_t> values;
    for (std::int32_t i = 0; i < 101; ++i)
        values.push_back(top - i);
    return values;
}

bool isPrime(std::uint32_t n)
{
    if (n < 2)
        return false;
    for (std::uint32_t d = 2; d * d <= n; ++d)
        if (n % d == 0)
            return false;
    return true;
}

// The 101 largest primes below 2^31: the slowest numbers to factorize, and an LCM of 943 digits.
std::vector<std::int32_t> largestPrimes()
{
    std::vector<std::int32_t> values;
    for (std::uint32_t n = 2147483647; values.size() < 101; n -= 2)
        if (isPrime(n))
            values.push_back(static_cast<std::int32_t>(n));
    return values;
}

// The 101 largest divisors of 2095133040 = 2^4 x 3^4 x 5 x 7 x 11 x 13 x 17 x 19,
// the highly composite number below 2^31 with the most divisors (1600).
std::vector<std::int32_t> highlyCompositeDivisors()
{
    constexpr std::int32_t Highly = 2095133040;
    std::vector<std::int32_t> values;
    for (std::int32_t k = 1; values.size() < 101; ++k)
        if (Highly % k == 0)
            values.push_back(Highly / k);
    return values;
}

// The worst ladder constructed: the first 101 primes p0 = 2 .. p100 = 547 in a
// ring, number i the highest power of p(i) x p(i+1) below 2^31. Every prime is
// shared by one pair, so the ladder has 101 holder sets and 152 rungs, each
// dividing two numbers, and a table of 153 rows.
std::vector<std::int32_t> primePowerRing()
{
    std::vector<std::uint64_t> primes;
    for (std::uint32_t n = 2; primes.size() < 101; ++n)
        if (isPrime(n))
            primes.push_back(n);
    std::vector<std::int32_t> values;
    for (std::size_t i = 0; i < primes.size(); ++i) {
        const std::uint64_t pair = primes[i] * primes[(i + 1) % primes.size()];
        std::uint64_t n = pair;
        while (n * pair <= 2147483647u)
            n *= pair;
        values.push_back(static_cast<std::int32_t>(n));
    }
    return values;
}

const std::vector<std::int32_t> &namedList(std::int64_t which)
{
    static const std::vector<std::vector<std::int32_t>> lists{nearTop(2147483647), largestPrimes(),
                                                              highlyCompositeDivisors(), primePowerRing()};
    return lists[static_cast<std::size_t>(which)];
}
constexpr std::int64_t NearTop = 0;
constexpr std::int64_t LargestPrimes = 1;
constexpr std::int64_t HighlyComposite = 2;
constexpr std::int64_t Ring = 3;

std::string textOf(const std::vector<std::int32_t> &values)
{
    std::string text;
    for (const std::int32_t v : values)
        text += std::to_string(v) + " ";
    return text;
}

void FactorList(benchmark::State &state)
{
    const auto n = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(Factorizer::factorList(n));
}
void FactorListStraightforward(benchmark::State &state)
{
    const auto n = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(ReferenceCores::factorList(n));
}

void Primes(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(PrimeRange::primesBetween(1, static_cast<std::int32_t>(state.range(0))));
}
void PrimesStraightforward(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ReferenceCores::primes(1, static_cast<std::int32_t>(state.range(0))));
}

void Lcm101(benchmark::State &state)
{
    const std::vector<std::int32_t> values = nearTop(static_cast<std::int32_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(LcmLadder::of(values));
}
void Lcm101Straightforward(benchmark::State &state)
{
    const std::vector<std::int32_t> values = nearTop(static_cast<std::int32_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ReferenceCores::ladder(values));
}

void LcmOf(benchmark::State &state)
{
    const std::vector<std::int32_t> &values = namedList(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(LcmLadder::of(values));
}
// The ladder, its working and the working text, as the Working window needs them.
void LcmWorkingOf(benchmark::State &state)
{
    const std::vector<std::int32_t> &values = namedList(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(Texts().lcmWorking(lcmWorking(values)));
}

void Read101(benchmark::State &state)
{
    const std::string text = textOf(nearTop(INT32_MAX));
    for (auto _ : state)
        benchmark::DoNotOptimize(InputReader::read(text));
}

constexpr std::int64_t Worst = 2147483647;
constexpr std::int64_t TwoBigPrimes = 2146654199; // 46327 x 46337
constexpr std::int64_t SmallTop = 100000;

BENCHMARK(FactorList)->Arg(Worst)->Arg(TwoBigPrimes)->Arg(1073741824)->Unit(benchmark::kMicrosecond);
BENCHMARK(FactorListStraightforward)->Arg(Worst)->Arg(TwoBigPrimes)->Arg(1073741824)->Iterations(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(Primes)->Arg(225001)->Unit(benchmark::kMicrosecond);
BENCHMARK(PrimesStraightforward)->Arg(225001)->Iterations(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(Lcm101)->Arg(Worst)->Arg(SmallTop)->Unit(benchmark::kMicrosecond);
// The candidate loop up to 2147483647 would take hours, so the ratio is taken near 100000.
BENCHMARK(Lcm101Straightforward)->Arg(SmallTop)->Iterations(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(LcmOf)->Arg(LargestPrimes)->Arg(HighlyComposite)->Arg(Ring)->Unit(benchmark::kMicrosecond);
BENCHMARK(LcmWorkingOf)->Arg(NearTop)->Arg(LargestPrimes)->Arg(HighlyComposite)->Arg(Ring)->Unit(benchmark::kMicrosecond);
BENCHMARK(Read101)->Unit(benchmark::kMicrosecond);

// Collects the real time per iteration of every run, in microseconds.
void printRow(const CollectingReporter &r, const char *what, const std::string &fast, const std::string &slow, double goalMicros)
{
    const auto f = r.micros.find(fast);
    if (f == r.micros.end())
        return;
    const auto s = r.micros.find(slow);
    char slowText[32] = "-";
    if (s != r.micros.end())
        std::snprintf(slowText, sizeof slowText, "%.0f", s->second);
    const std::string ratio = s == r.micros.end() ? "-" : std::to_string(static_cast<long long>(s->second / f->second)) + "x";
    std::printf("| %-42s | %12.2f | %16s | %10s | %8.0f | %-3s |\n", what, f->second, slowText, ratio.c_str(),
                goalMicros, f->second < goalMicros ? "yes" : "NO");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\n| %-42s | %12s | %16s | %10s | %8s | %-3s |\n", "case", "fast (us)", "straightforward", "ratio", "goal (us)", "met");
    std::printf("|%s|%s|%s|%s|%s|%s|\n", std::string(44, '-').c_str(), std::string(14, '-').c_str(), std::string(18, '-').c_str(),
                std::string(12, '-').c_str(), std::string(10, '-').c_str(), std::string(5, '-').c_str());
    printRow(reporter, "factor list of 2147483647", "FactorList/2147483647", "FactorListStraightforward/2147483647/iterations:1", 20);
    printRow(reporter, "factor list of 2146654199 = 46327 x 46337", "FactorList/2146654199", "FactorListStraightforward/2146654199/iterations:1", 20);
    printRow(reporter, "factor list of 1073741824 = 2^30", "FactorList/1073741824", "FactorListStraightforward/1073741824/iterations:1", 20);
    printRow(reporter, "primes 1..225001", "Primes/225001", "PrimesStraightforward/225001/iterations:1", 500);
    printRow(reporter, "LCM ladder, 101 numbers near 2147483647", "Lcm101/2147483647", "", 1000);
    printRow(reporter, "LCM ladder, 101 largest primes below 2^31", "LcmOf/1", "", 3000);
    printRow(reporter, "LCM ladder, 101 divisors of 2095133040", "LcmOf/2", "", 3000);
    printRow(reporter, "LCM ladder, worst: prime-pair power ring", "LcmOf/3", "", 3000);
    printRow(reporter, "LCM ladder, 101 numbers near 100000", "Lcm101/100000", "Lcm101Straightforward/100000/iterations:1", 5000);
    printRow(reporter, "reading 101 numbers", "Read101", "", 50);
    printRow(reporter, "LCM working text, 101 near 2147483647", "LcmWorkingOf/0", "", 10000);
    printRow(reporter, "LCM working text, 101 largest primes", "LcmWorkingOf/1", "", 10000);
    printRow(reporter, "LCM working text, divisors of 2095133040", "LcmWorkingOf/2", "", 10000);
    printRow(reporter, "LCM working text, worst: prime-pair ring", "LcmWorkingOf/3", "", 10000);
    printRow(reporter, "factor tree of 1073741824 = 2^30, 59 nodes", "TreeLayout/1073741824", "", 5000);
    printRow(reporter, "factor tree of 2147483646", "TreeLayout/2147483646", "", 5000);
    printRow(reporter, "Venn diagram, 3 numbers, 30 factors", "VennLayout", "", 5000);
    printRow(reporter, "sieve grid, 1000 numbers 224002..225001", "GridLayout", "", 5000);
    printRow(reporter, "sieve working, 1000 numbers 224002..225001", "SieveWorkingOf", "", 5000);
    return 0;
}

// The picture layouts, measured with a fixed-pitch font as the tests do; the
// window's own measuring adds to these.
namespace {

Size measureFixedPitch(const std::string &text)
{
    return {7.0 * static_cast<double>(text.size()), 14};
}

void TreeLayout(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(layoutFactorTree(factorWorking(static_cast<std::int32_t>(state.range(0))), measureFixedPitch, {300, 14}));
}

void VennLayout(benchmark::State &state)
{
    const std::vector<std::int32_t> values{1073741824, 2 * 3 * 5 * 7 * 11 * 13 * 17, 2 * 3 * 3 * 3 * 3 * 5 * 5 * 7 * 7};
    for (auto _ : state)
        benchmark::DoNotOptimize(layoutVenn(vennContents(values), measureFixedPitch, measureFixedPitch, {200, 14}, {300, 14}));
}

void GridLayout(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(layoutSieveGrid(sieveWorking(224002, 225001), measureFixedPitch));
}

void SieveWorkingOf(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(sieveWorking(224002, 225001));
}

} // namespace

BENCHMARK(TreeLayout)->Arg(1073741824)->Arg(2147483646)->Unit(benchmark::kMicrosecond);
BENCHMARK(VennLayout)->Unit(benchmark::kMicrosecond);
BENCHMARK(GridLayout)->Unit(benchmark::kMicrosecond);
BENCHMARK(SieveWorkingOf)->Unit(benchmark::kMicrosecond);
