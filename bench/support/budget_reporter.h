#pragma once

// Shared by the benchmarks that have budgets: runs the registered benchmarks several times in turns
// and prints one line per budget from the medians of their processor time, since on a machine shared
// with other builds the wall-clock time mostly measures the waiting.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace benchsupport {

// Keeps the median processor time per iteration of each benchmark, in milliseconds.
class BudgetReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> ms;

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median") {
                ms[run.run_name.function_name] =
                    run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e3;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

// Runs every benchmark; without arguments five times in random turns, keeping the medians, since
// this machine's speed drifts from one second to the next.
inline void RunBenchmarks(int argc, char** argv, BudgetReporter& reporter) {
    std::vector<char*> args(argv, argv + argc);
    static char repeat[] = "--benchmark_repetitions=5";
    static char interleave[] = "--benchmark_enable_random_interleaving=true";
    static char aggregates[] = "--benchmark_report_aggregates_only=true";
    if (argc == 1) args.insert(args.end(), {repeat, interleave, aggregates});
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
}

// Prints "name: value (budget B): within budget" or "OVER BUDGET" for one benchmark.
inline void PrintBudget(const BudgetReporter& reporter, const char* benchmark, const char* name, double budget) {
    const auto it = reporter.ms.find(benchmark);
    if (it == reporter.ms.end()) return;
    std::printf("%s: %.4f ms (budget %.2f ms): %s\n", name, it->second, budget,
                it->second <= budget ? "within budget" : "OVER BUDGET");
}

}  // namespace benchsupport
