// The skinned frame on a main-window-sized window: a full paint (frame and empty client), the
// frame-only repaint an activation change causes, and the outline rebuilt for that size.

#include <benchmark/benchmark.h>

#include "platform/headless/driver.h"
#include "skin/frame/skin_form.h"
#include "skin/frame/window_outline.h"
#include "skin/package/default_skin.h"
#include "skin/skin_data.h"
#include "support/budget_reporter.h"

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

}  // namespace

int main(int argc, char** argv) {
    benchsupport::BudgetReporter reporter;
    benchsupport::RunBenchmarks(argc, argv, reporter);
    // Over budget is reported, not turned into a failed run, so that the other benchmarks
    // of a bench run still run after this one.
    benchsupport::PrintBudget(reporter, "BM_FullPaint", "skinned window full paint", 0.4);
    benchsupport::PrintBudget(reporter, "BM_ActivationChange", "skinned window activation change", 0.15);
    benchsupport::PrintBudget(reporter, "BM_OutlineRebuild", "skinned window outline rebuild", 0.2);
    return 0;
}
