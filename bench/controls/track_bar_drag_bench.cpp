// One step of dragging a track bar's thumb through the whole input path: the pointer moves,
// the value follows, and the window repaints what changed (the track bar alone) and
// presents it. The step costs a skin lookup, two three-part compositions and the thumb.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "controls/ranges/skin_track_bar.h"
#include "platform/headless/driver.h"
#include "skin/package/default_skin.h"
#include "skin/skin_data.h"

namespace {

constexpr double kBudgetMs = 0.05;

void BM_TrackBarDragStep(benchmark::State& state) {
    platform::headless::Driver d;
    skin::TspSkinData skin;
    skin.LoadCompressedStream(skin::DefaultSkinData());
    auto& form = d.App().CreateForm<platform::Form>();
    form.SetBounds(0, 0, 546, 460);
    auto& bar = form.Make<controls::TspSkinTrackBar>();
    bar.SetSkinData(&skin);
    bar.SetBounds(20, 20, 105, 20);
    bar.SetValue(0);
    form.Show();
    (void)d.Pixels(form);
    const gfx::Rect thumb = bar.ThumbRect().thumb;
    const gfx::Point grab = bar.ClientToWindow({thumb.left + thumb.width() / 2, thumb.top + thumb.height() / 2});
    d.MouseDown(form, grab);
    int step = 0;
    for (auto _ : state) {
        // Back and forth over the track, one pixel a step, so every step changes the value.
        const int x = step < 90 ? step : 180 - step;
        step = (step + 1) % 180;
        d.MoveTo(form, {grab.x + x, grab.y});
        benchmark::DoNotOptimize(bar.Value());
    }
    d.MouseUp(form, grab);
}
BENCHMARK(BM_TrackBarDragStep)->Unit(benchmark::kMicrosecond);

// Keeps each benchmark's CPU time per iteration (the median when repeated).
class TimeReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> times;

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median")
                times[run.run_name.function_name] = run.GetAdjustedCPUTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (skin::DefaultSkinData().empty()) {
        std::fprintf(stderr, "bench_track_bar: the build embedded no skin\n");
        return 1;
    }
    std::vector<char*> args(argv, argv + argc);
    char repeat[] = "--benchmark_repetitions=5";
    char aggregates[] = "--benchmark_report_aggregates_only=true";
    if (argc == 1) args.insert(args.end(), {repeat, aggregates});
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    TimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto step = reporter.times.find("BM_TrackBarDragStep");
    if (step == reporter.times.end()) return 0;
    // Microseconds, as the benchmark reports them.
    const double ms = step->second / 1000.0;
    std::printf("track bar drag step: %.4f ms (budget %.2f ms): %s\n", ms, kBudgetMs,
                ms <= kBudgetMs ? "within budget" : "OVER BUDGET");
    return 0;
}
