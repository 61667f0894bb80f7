// Repainting the game's main window: the whole window, frame included, with its first tab on
// top, against its budget in milliseconds.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "platform/headless/driver.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/program.h"

namespace {

constexpr double kFullRepaintBudgetMs = 1.2;

// The whole window is marked dirty and painted into its backbuffer: every control composes its
// picture off-screen again and the frame is drawn again.
void BM_MainWindowFullRepaint(benchmark::State& state) {
    platform::headless::Driver driver;
    ui::Program program(driver.App(), [] { return 1u; });
    driver.App().Run();
    program.Form1().Hide();
    ui::TForm2& window = program.Form2();
    window.Show();
    (void)window.Backbuffer();
    const gfx::Rect all{0, 0, window.Width(), window.Height()};
    for (auto _ : state) {
        window.InvalidateWindow(all);
        benchmark::DoNotOptimize(window.Backbuffer().data());
    }
}
BENCHMARK(BM_MainWindowFullRepaint)->Unit(benchmark::kMicrosecond);

// Keeps the median time of each benchmark, in milliseconds.
class BudgetReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> ms;

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median")
                ms[run.run_name.function_name] = run.GetAdjustedCPUTime() / 1000.0;
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

}  // namespace

int main(int argc, char** argv) {
    // Several runs, medians kept: this machine's speed drifts from one second to the next.
    std::vector<char*> args(argv, argv + argc);
    char repeat[] = "--benchmark_repetitions=5";
    char aggregates[] = "--benchmark_report_aggregates_only=true";
    if (argc == 1) args.insert(args.end(), {repeat, aggregates});
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    BudgetReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto it = reporter.ms.find("BM_MainWindowFullRepaint");
    if (it != reporter.ms.end())
        std::printf("full repaint of the main window, frame included: %.4f ms (budget %.2f ms): %s\n", it->second,
                    kFullRepaintBudgetMs, it->second <= kFullRepaintBudgetMs ? "within budget" : "OVER BUDGET");
    return 0;
}
