// One step of dragging a track bar's thumb through the whole input path: the pointer moves,
// the value follows, and the window repaints what changed (the track bar alone) and
// presents it. The step costs a skin lookup, two three-part compositions and the thumb.

#include <benchmark/benchmark.h>

#include <cstdio>

#include "controls/ranges/skin_track_bar.h"
#include "platform/headless/driver.h"
#include "skin/package/default_skin.h"
#include "skin/skin_data.h"
#include "support/budget_reporter.h"

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

}  // namespace

int main(int argc, char** argv) {
    if (skin::DefaultSkinData().empty()) {
        std::fprintf(stderr, "bench_track_bar: the build embedded no skin\n");
        return 1;
    }
    benchsupport::BudgetReporter reporter;
    benchsupport::RunBenchmarks(argc, argv, reporter);
    benchsupport::PrintBudget(reporter, "BM_TrackBarDragStep", "track bar drag step", kBudgetMs);
    return 0;
}
