// Switching tabs of the main window's notebook: the page control and the controls of the newly
// shown page repainted, against the budget in milliseconds.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "controls/containers/skin_page_control.h"
#include "controls/containers/skin_panel.h"
#include "controls/containers/skin_tab_sheet.h"
#include "controls/labels/skin_label.h"
#include "platform/headless/driver.h"
#include "skin/package/compressed_stored_skin.h"
#include "skin/package/default_skin.h"
#include "skin/skin_data.h"
#include "support/budget_reporter.h"

namespace {

constexpr double kTabSwitchBudgetMs = 0.8;

// A 513 x 353 notebook on our skin with five pages, each holding two group boxes of three labels,
// about as much as a page of the main window.
struct Notebook {
    platform::headless::Driver driver;
    platform::Form& form = driver.App().CreateForm<platform::Form>();
    skin::TspCompressedStoredSkin& stored = form.Own<skin::TspCompressedStoredSkin>();
    skin::TspSkinData& data = form.Own<skin::TspSkinData>(&form);
    controls::TspSkinPageControl& pc = form.Make<controls::TspSkinPageControl>();

    Notebook() {
        form.BorderStyle = platform::BorderStyle::None;
        form.SetBounds(0, 0, 546, 460);
        stored.SetData(skin::DefaultSkinData());
        data.SetCompressedStoredSkin(&stored);
        pc.SetBounds(16, 16, 513, 353);
        for (const char* caption : {"Ресурсы", "Тушка", "Магазин", "Город", "Рынок"}) {
            auto& page = pc.NewPage<controls::TspSkinTabSheet>(caption);
            for (int g = 0; g < 2; ++g) {
                auto& box = page.Make<controls::TspSkinGroupBox>();
                box.SetBounds(8, 8 + g * 160, 497, 150);
                box.SetCaption("Действия");
                box.SetSkinData(&data);
                for (int i = 0; i < 3; ++i) {
                    auto& label = box.Make<controls::TspSkinLabel>();
                    label.SetBounds(8, 28 + i * 30, 200, 21);
                    label.SetCaption("Искать пустые бутылки");
                    label.SetSkinData(&data);
                }
            }
        }
        pc.SetSkinData(&data);
        form.Show();
        (void)form.Backbuffer();
    }
};

// Each iteration selects the next tab as a click would and repaints what that changed.
void BM_TabSwitch(benchmark::State& state) {
    Notebook n;
    int tab = 0;
    for (auto _ : state) {
        tab = (tab + 1) % 5;
        n.pc.SelectTab(tab);
        benchmark::DoNotOptimize(n.form.Backbuffer().data());
    }
}
BENCHMARK(BM_TabSwitch)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (skin::DefaultSkinData().empty()) {
        std::fprintf(stderr, "bench_page_control: the build embedded no skin\n");
        return 1;
    }
    benchsupport::BudgetReporter reporter;
    benchsupport::RunBenchmarks(argc, argv, reporter);
    benchsupport::PrintBudget(reporter, "BM_TabSwitch", "tab switch of the 513 x 353 notebook", kTabSwitchBudgetMs);
    return 0;
}
