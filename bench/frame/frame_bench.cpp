// The skinned frame on a main-window-sized window: a full paint (frame and empty client), the
// frame-only repaint an activation change causes, and the outline rebuilt for that size.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "platform/headless/driver.h"
#include "skin/frame/skin_form.h"
#include "skin/frame/window_outline.h"
#include "skin/package/default_skin.h"
#include "skin/skin_data.h"

namespace {

constexpr int kClientWidth = 546;
constexpr int kClientHeight = 460;

// A shown, skinned window with an empty client area of the main window's size.
struct SkinnedWindow {
    platform::headless::Driver driver;
    platform::Form& form = driver.App().CreateForm<platform::Form>();
    skin::TspSkinData& data = form.Own<skin::TspSkinData>(&form);
    skin::TspSkinForm& frame = form.Own<skin::TspSkinForm>(&form);

    SkinnedWindow() {
        data.LoadCompressedStream(skin::DefaultSkinData());
        frame.SetSkinData(&data);
        frame.SetBorderIcons(skin::biMinimize);
        form.SetCaption("Бурдомир");
        form.SetClientSize(kClientWidth, kClientHeight);
        form.Show();
        (void)form.Backbuffer();
    }
};

void BM_FullPaint(benchmark::State& state) {
    SkinnedWindow w;
    const gfx::Rect all{0, 0, w.form.Width(), w.form.Height()};
    for (auto _ : state) {
        w.form.InvalidateWindow(all);
        benchmark::DoNotOptimize(w.form.Backbuffer().data());
    }
}
BENCHMARK(BM_FullPaint)->Unit(benchmark::kMicrosecond);

void BM_ActivationChange(benchmark::State& state) {
    SkinnedWindow w;
    bool active = true;
    for (auto _ : state) {
        active = !active;
        w.form.SetActiveState(active);
        benchmark::DoNotOptimize(w.form.Backbuffer().data());
    }
}
BENCHMARK(BM_ActivationChange)->Unit(benchmark::kMicrosecond);

void BM_OutlineRebuild(benchmark::State& state) {
    SkinnedWindow w;
    for (auto _ : state) benchmark::DoNotOptimize(skin::BuildWindowOutline(w.data, w.frame.Geometry()));
}
BENCHMARK(BM_OutlineRebuild)->Unit(benchmark::kMicrosecond);

// Prints as usual and keeps each benchmark's CPU time per iteration (the median when they
// repeat), in milliseconds.
class BudgetReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> times;

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median")
                times[run.run_name.function_name] =
                    run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e3;
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

}  // namespace

int main(int argc, char** argv) {
    std::vector<char*> args(argv, argv + argc);
    char repeat[] = "--benchmark_repetitions=5";
    char aggregates[] = "--benchmark_report_aggregates_only=true";
    if (argc == 1) args.insert(args.end(), {repeat, aggregates});
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    BudgetReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const struct {
        const char* benchmark;
        const char* name;
        double budgetMs;
    } budgets[] = {{"BM_FullPaint", "skinned window full paint", 0.4},
                   {"BM_ActivationChange", "skinned window activation change", 0.15},
                   {"BM_OutlineRebuild", "skinned window outline rebuild", 0.2}};
    // Over budget is reported, not turned into a failed run, so that the other benchmarks
    // of a bench run still run after this one.
    for (const auto& b : budgets) {
        const auto t = reporter.times.find(b.benchmark);
        if (t == reporter.times.end()) continue;
        const double ms = t->second;
        std::printf("%s: %.3f ms (budget %.2f ms): %s\n", b.name, ms, b.budgetMs,
                    ms <= b.budgetMs ? "within budget" : "OVER BUDGET");
    }
    return 0;
}
