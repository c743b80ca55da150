#include <benchmark/benchmark.h>

#include "bench_data.h"
#include "core/text_file.h"
#include "core/week_file.h"

using namespace tandarel;

namespace {

void BM_ReadFloor(benchmark::State& state) {
    const auto& data = bench::schoolYears(static_cast<int>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) benchmark::DoNotOptimize(bytes = bench::readAllBytes(data.weekFiles));
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes) * state.iterations());
}
BENCHMARK(BM_ReadFloor)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_LoadWeek200(benchmark::State& state) {
    const auto& data = bench::bigWeek();
    const Date monday{2004, 8, 2};
    for (auto _ : state) benchmark::DoNotOptimize(loadWeek(data.path, monday));
}
BENCHMARK(BM_LoadWeek200)->Unit(benchmark::kMicrosecond);

// The durable save of a week of 200 or 500 substitutes: format, encode, compare with the
// file, write a temporary, flush it to the disk, rename, flush the folder.
void BM_SaveWeek(benchmark::State& state) {
    const auto& data = bench::bigWeek(static_cast<int>(state.range(0)));
    const Date monday{2004, 8, 2};
    auto grid = *loadWeek(data.path, monday);
    int n = 0;
    for (auto _ : state) {
        grid.setCell(2, 2, "M¤" + std::to_string(++n));  // a real change: the write is never skipped
        saveWeek(data.path, monday, grid);
    }
}
BENCHMARK(BM_SaveWeek)->Arg(200)->Arg(500)->Unit(benchmark::kMillisecond)->UseRealTime();

// A save that changes nothing reads the file, finds the same bytes, and writes nothing.
void BM_SaveUnchangedWeek(benchmark::State& state) {
    const auto& data = bench::bigWeek(static_cast<int>(state.range(0)));
    const Date monday{2004, 8, 2};
    const auto grid = *loadWeek(data.path, monday);
    for (auto _ : state) saveWeek(data.path, monday, grid);
}
BENCHMARK(BM_SaveUnchangedWeek)->Arg(200)->Arg(500)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
