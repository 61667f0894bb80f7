#include <benchmark/benchmark.h>
#include <malloc.h>
#include <zlib.h>

#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "skin/definition/ini_file.h"
#include "skin/package/default_skin.h"
#include "skin/package/skin_package.h"
#include "skin/skin_data.h"

namespace {

// What loading the skin may cost at most, as a multiple of inflating its stream alone.
constexpr double kBudget = 1.5;

// The floor: zlib alone, into a buffer of the right size.
void BM_InflateOnly(benchmark::State& state) {
    const auto stream = skin::DefaultSkinData();
    const std::size_t size = skin::InflateSkin(stream).size();
    std::vector<Bytef> out(size);
    for (auto _ : state) {
        uLongf length = static_cast<uLongf>(out.size());
        if (uncompress(out.data(), &length, stream.data(), static_cast<uLong>(stream.size())) != Z_OK) {
            state.SkipWithError("the embedded skin does not inflate");
            return;
        }
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}
BENCHMARK(BM_InflateOnly)->Unit(benchmark::kMicrosecond);

// The whole load: inflate, split, parse the definition, build the records and bitmaps.
void BM_LoadSkin(benchmark::State& state) {
    const auto stream = skin::DefaultSkinData();
    for (auto _ : state) {
        skin::TspSkinData data;
        data.LoadCompressedStream(stream);
        benchmark::DoNotOptimize(data.Controls().data());
    }
}
BENCHMARK(BM_LoadSkin)->Unit(benchmark::kMicrosecond);

// The parts of a load, to see where its time goes.
void BM_PartInflate(benchmark::State& state) {
    const auto stream = skin::DefaultSkinData();
    for (auto _ : state) benchmark::DoNotOptimize(skin::InflateSkin(stream).data());
}
BENCHMARK(BM_PartInflate)->Unit(benchmark::kMicrosecond);

// The bitmaps, read as a load reads them: the definition text is left where it lies.
void BM_PartReadPackage(benchmark::State& state) {
    const skin::SkinBytes package = skin::InflateSkin(skin::DefaultSkinData());
    for (auto _ : state) {
        std::string_view text;
        benchmark::DoNotOptimize(skin::ReadSkinBitmaps(package, text).activePictures.data());
    }
}
BENCHMARK(BM_PartReadPackage)->Unit(benchmark::kMicrosecond);

// The definition, parsed from the package text and turned into records.
void BM_PartDefinition(benchmark::State& state) {
    const skin::SkinBytes package = skin::InflateSkin(skin::DefaultSkinData());
    std::string_view text;
    (void)skin::ReadSkinBitmaps(package, text);
    for (auto _ : state) {
        skin::SkinDefinition definition;
        definition.LoadFromIni(skin::IniFile::FromText(text));
        benchmark::DoNotOptimize(definition.Controls.data());
    }
}
BENCHMARK(BM_PartDefinition)->Unit(benchmark::kMicrosecond);

// Prints as usual and keeps each benchmark's CPU time per iteration for the ratio; CPU time
// is the steadier measure on a machine shared with builds. When the benchmarks repeat, the
// medians are kept, so that one disturbed repetition does not decide the ratio.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> times;

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median") {
                times[run.run_name.function_name] = run.GetAdjustedCPUTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (skin::DefaultSkinData().empty()) {
        std::fprintf(stderr, "bench_skin: the build embedded no skin\n");
        return 1;
    }
    // The floor inflates into one buffer that stays with the process, while each load frees
    // some megabytes and takes them again; glibc would hand those back to the system every
    // time, and the load would be timed mostly on the kernel zeroing fresh pages, a cost a
    // single load in a new process shares with any inflate. Keeping the memory measures both
    // on memory the process already has.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    // Both sides run in turns, several times, unless the caller asks otherwise: this machine's
    // speed drifts more from one second to the next than the budget's margin.
    std::vector<char*> args(argv, argv + argc);
    char repeat[] = "--benchmark_repetitions=7";
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    char aggregates[] = "--benchmark_report_aggregates_only=true";
    if (argc == 1) args.insert(args.end(), {repeat, interleave, aggregates});
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto inflate = reporter.times.find("BM_InflateOnly");
    const auto load = reporter.times.find("BM_LoadSkin");
    if (inflate == reporter.times.end() || load == reporter.times.end() || inflate->second <= 0) return 0;
    const double ratio = load->second / inflate->second;
    // Over budget is reported, not turned into a failed run, so that the other benchmarks
    // of a bench run still run after this one.
    std::printf("skin load / bare inflate: %.2f (budget %.1f): %s\n", ratio, kBudget,
                ratio <= kBudget ? "within budget" : "OVER BUDGET");
    return 0;
}
