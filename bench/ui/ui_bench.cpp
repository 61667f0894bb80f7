// Repainting the game's main window: the whole window, frame included, with its first tab on
// top, against its budget in milliseconds; and the program's own share of its start, timed
// without a display so that a change to what building the windows costs shows on its own.
#include <benchmark/benchmark.h>

#include "platform/headless/driver.h"
#include "support/budget_reporter.h"
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

// The ten windows built in order and the start window shown and painted. The skin and the
// pictures are decoded again each time; the fonts come from the process's cache after the
// first run, as fontconfig's configuration does.
void BM_ProgramStart(benchmark::State& state) {
    for (auto _ : state) {
        platform::headless::Driver driver;
        ui::Program program(driver.App(), [] { return 1u; });
        driver.App().Run();
        benchmark::DoNotOptimize(program.Form1().Backbuffer().data());
    }
}
BENCHMARK(BM_ProgramStart)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchsupport::BudgetReporter reporter;
    benchsupport::RunBenchmarks(argc, argv, reporter);
    benchsupport::PrintBudget(reporter, "BM_MainWindowFullRepaint", "full repaint of the main window, frame included",
                              kFullRepaintBudgetMs);
    return 0;
}
