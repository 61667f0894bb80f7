// Repainting skinned controls: a hover repaint of one button and the full compose of a large panel,
// each against its budget in milliseconds.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "controls/buttons/skin_button.h"
#include "platform/headless/driver.h"
#include "skin/package/compressed_stored_skin.h"
#include "skin/package/default_skin.h"
#include "skin/skin_data.h"
#include "support/budget_reporter.h"

namespace {

constexpr double kHoverBudgetMs = 0.04;
constexpr double kPanelBudgetMs = 0.3;

// A shown window without a frame and the program's own skin.
struct SkinnedWindow {
    platform::headless::Driver driver;
    platform::Form& form = driver.App().CreateForm<platform::Form>();
    skin::TspCompressedStoredSkin& stored = form.Own<skin::TspCompressedStoredSkin>();
    skin::TspSkinData& data = form.Own<skin::TspSkinData>(&form);

    SkinnedWindow() {
        form.BorderStyle = platform::BorderStyle::None;
        form.SetBounds(0, 0, 560, 400);
        stored.SetData(skin::DefaultSkinData());
        data.SetCompressedStoredSkin(&stored);
        form.Show();
    }
};

// The pointer enters and leaves a button in turn; each time its new look is composed off-screen
// and copied to the window's backbuffer, which repaints only the button's rectangle.
void BM_HoverRepaint(benchmark::State& state) {
    SkinnedWindow w;
    auto& button = w.form.Make<controls::TspSkinButton>();
    button.SetSkinData(&w.data);
    button.SetBounds(20, 20, 100, 25);
    button.SetCaption("Купить");
    (void)w.form.Backbuffer();
    bool inside = false;
    for (auto _ : state) {
        inside = !inside;
        if (inside) {
            button.MouseEnter();
        } else {
            button.MouseLeave();
        }
        benchmark::DoNotOptimize(w.form.Backbuffer().data());
    }
}
BENCHMARK(BM_HoverRepaint)->Unit(benchmark::kMicrosecond);

// A 513 x 353 control drawn from the skin's both-way "panel" section: the whole off-screen compose
// and its copy to the backbuffer.
void BM_PanelCompose(benchmark::State& state) {
    SkinnedWindow w;
    auto& panel = w.form.Make<controls::TspSkinCustomControl>();
    panel.SetSkinDataName("panel");
    panel.SetSkinData(&w.data);
    panel.SetBounds(10, 10, 513, 353);
    if (panel.ResizeMode() != skin::ResizeMode::Both)
        state.SkipWithError("the panel section does not resize both ways");
    (void)w.form.Backbuffer();
    for (auto _ : state) {
        panel.Invalidate();
        benchmark::DoNotOptimize(w.form.Backbuffer().data());
    }
}
BENCHMARK(BM_PanelCompose)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (skin::DefaultSkinData().empty()) {
        std::fprintf(stderr, "bench_controls: the build embedded no skin\n");
        return 1;
    }
    benchsupport::BudgetReporter reporter;
    benchsupport::RunBenchmarks(argc, argv, reporter);
    benchsupport::PrintBudget(reporter, "BM_HoverRepaint", "hover repaint of one skinned button", kHoverBudgetMs);
    benchsupport::PrintBudget(reporter, "BM_PanelCompose", "full compose of a 513 x 353 skinned panel", kPanelBudgetMs);
    return 0;
}
