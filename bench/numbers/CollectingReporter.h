#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// The console reporter that also keeps each benchmark's time in microseconds,
// so that a summary table can be printed after the runs.
class CollectingReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> micros;
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs)
            micros[run.benchmark_name()] = run.GetAdjustedRealTime() * 1e6 / benchmark::GetTimeUnitMultiplier(run.time_unit);
        ConsoleReporter::ReportRuns(runs);
    }
};
