#include <benchmark/benchmark.h>

#include <cstdio>

#include "platform/headless/driver.h"
#include "skin/menu/menu_item.h"
#include "skin/menu/skin_menu.h"
#include "skin/menu/skin_popup_window.h"
#include "skin/package/default_skin.h"
#include "skin/skin_data.h"
#include "support/budget_reporter.h"

namespace {

constexpr double kOpenBudgetMs = 1.0;
constexpr double kMoveBudgetMs = 0.05;

// A skinned window with a ten-item menu, as the game's windows have one.
struct MenuScene {
    MenuScene() : owner(d.App().CreateForm<platform::Form>()) {
        owner.SetBounds(100, 100, 400, 300);
        owner.Show();
        data = &owner.Own<skin::TspSkinData>(&owner);
        data->LoadCompressedStream(skin::DefaultSkinData());
        menu = &owner.Own<skin::TspSkinMenu>(owner);
        menu->SetSkinData(data);
        for (int i = 0; i < 10; ++i) root.Add(i == 4 ? "-" : "Menu item &" + std::to_string(i));
    }
    void Open() {
        menu->Popup(nullptr, root, {150, 150, 150, 150});
        static_cast<void>(menu->Level(0).Backbuffer());
    }

    platform::headless::Driver d;
    platform::Form& owner;
    skin::TspSkinData* data = nullptr;
    skin::TspSkinMenu* menu = nullptr;
    skin::TMenuItem root;
};

// Opening: building the level, composing its frame, its outline and the first paint; the
// closing and freeing of the level are timed with it.
void BM_OpenTenItemMenu(benchmark::State& state) {
    MenuScene scene;
    for (auto _ : state) {
        scene.Open();
        scene.menu->CloseFrom(0);
        scene.d.Advance(2);
    }
}
BENCHMARK(BM_OpenTenItemMenu)->Unit(benchmark::kMicrosecond);

// Moving the highlight one item down and repainting what changed.
void BM_MoveHighlight(benchmark::State& state) {
    MenuScene scene;
    scene.Open();
    skin::TspSkinPopupWindow& level = scene.menu->Level(0);
    for (auto _ : state) {
        level.PopupKeyDown(platform::Key::Down, 0);
        level.Update();
    }
}
BENCHMARK(BM_MoveHighlight)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (skin::DefaultSkinData().empty()) {
        std::fprintf(stderr, "bench_menu: the build embedded no skin\n");
        return 1;
    }
    benchsupport::BudgetReporter reporter;
    benchsupport::RunBenchmarks(argc, argv, reporter);
    // Over budget is reported, not turned into a failed run, so the other benches still run.
    benchsupport::PrintBudget(reporter, "BM_OpenTenItemMenu", "open a ten-item menu", kOpenBudgetMs);
    benchsupport::PrintBudget(reporter, "BM_MoveHighlight", "move the menu highlight one item", kMoveBudgetMs);
    return 0;
}
