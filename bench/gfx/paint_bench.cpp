// Painter primitives over a main-window-sized bitmap, each beside a memcpy of the bytes it
// writes, so the ratio says how far a primitive is from the cost of just moving memory.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "gfx/font.h"
#include "gfx/painter.h"
#include "gfx/text.h"

namespace {

constexpr int kWidth = 546;
constexpr int kHeight = 460;
constexpr int kTextHeight = 20;
constexpr const char* kTextLine = "Цель игры - допиться до белой горячки.";

// A picture with some variation, so no primitive sees a uniform source.
gfx::Bitmap Picture(int width, int height) {
    gfx::Bitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) b.set(x, y, gfx::MakePixel(x * 7, y * 3, x ^ y));
    return b;
}

void MemcpyBytes(benchmark::State& state, std::size_t bytes) {
    std::vector<char> from(bytes, 1);
    std::vector<char> to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

void BM_MemcpyWindow(benchmark::State& state) {
    MemcpyBytes(state, std::size_t(kWidth) * kHeight * sizeof(gfx::Pixel));
}

void BM_MemcpyTextLine(benchmark::State& state) {
    MemcpyBytes(state, std::size_t(kWidth) * kTextHeight * sizeof(gfx::Pixel));
}

void BM_Fill(benchmark::State& state) {
    gfx::Bitmap target(kWidth, kHeight);
    gfx::Painter p(target);
    gfx::Pixel colour = 0xFFC0C0C0u;
    for (auto _ : state) {
        p.FillRect(target.rect(), colour++);
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
}

void BM_Copy(benchmark::State& state) {
    const gfx::Bitmap source = Picture(kWidth, kHeight);
    gfx::Bitmap target(kWidth, kHeight);
    gfx::Painter p(target);
    for (auto _ : state) {
        p.Copy(source, source.rect(), {0, 0});
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
}

void BM_Stretch(benchmark::State& state) {
    // A skin piece of a third of the size stretched over the whole window.
    const gfx::Bitmap source = Picture(kWidth / 3, kHeight / 3);
    gfx::Bitmap target(kWidth, kHeight);
    gfx::Painter p(target);
    for (auto _ : state) {
        p.Stretch(source, source.rect(), target.rect());
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
}

void BM_TextLine(benchmark::State& state) {
    gfx::Font font;
    font.Name = "Arial";
    font.Height = -16;
    font.Style = gfx::fsBold;
    gfx::Bitmap target(kWidth, kTextHeight, 0xFFC0C0C0u);
    gfx::Painter p(target);
    p.DrawText(font, kTextLine, target.rect(), gfx::dtSingleLine | gfx::dtVCenter);  // warms the glyph cache
    for (auto _ : state) {
        p.DrawText(font, kTextLine, target.rect(), gfx::dtSingleLine | gfx::dtVCenter);
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_MemcpyWindow);
BENCHMARK(BM_Fill);
BENCHMARK(BM_Copy);
BENCHMARK(BM_Stretch);
BENCHMARK(BM_MemcpyTextLine);
BENCHMARK(BM_TextLine);

// Prints as the console reporter does and keeps each benchmark's CPU time per iteration:
// on a shared machine it is steadier than wall time, and both sides of a ratio are one
// thread.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal, so a redirected run stays plain text.
    RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
                times_[run.benchmark_name()] = run.GetAdjustedCPUTime();
            }
        }
    }

    // One line per primitive: its time over the time of the memcpy of the same bytes.
    void PrintRatio(const std::string& name, const std::string& baseline) const {
        const auto op = times_.find(name);
        const auto base = times_.find(baseline);
        if (op == times_.end() || base == times_.end() || base->second <= 0) return;
        std::printf("ratio %-12s / %-18s = %6.2f\n", name.c_str(), baseline.c_str(), op->second / base->second);
    }

private:
    std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    reporter.PrintRatio("BM_Fill", "BM_MemcpyWindow");
    reporter.PrintRatio("BM_Copy", "BM_MemcpyWindow");
    reporter.PrintRatio("BM_Stretch", "BM_MemcpyWindow");
    reporter.PrintRatio("BM_TextLine", "BM_MemcpyTextLine");
    return 0;
}
