#include <benchmark/benchmark.h>

#include "game/clock.h"
#include "game/game.h"

namespace {

constexpr int kTicks = 1'000'000;

// A million game hours, as the clock delivers them. A game that ends is replaced by a new
// one, so the run covers day turns, stage changes and endings in their natural mix.
void BM_MillionTicks(benchmark::State& state) {
    uint32_t clock = 1;
    auto source = [&clock] { return clock++; };
    int games = 0;
    for (auto _ : state) {
        game::Game g(source, nullptr);
        for (int i = 0; i < kTicks; ++i) {
            if (g.Ended() != game::Ending::None) {
                g = game::Game(source, nullptr);
                ++games;
            }
            benchmark::DoNotOptimize(game::Tick(g));
        }
    }
    state.SetItemsProcessed(state.iterations() * kTicks);
    state.counters["games"] = benchmark::Counter(games, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_MillionTicks)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
