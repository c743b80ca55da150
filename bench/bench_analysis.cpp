#include <benchmark/benchmark.h>

#include "analysis/non_replacement_analysis.h"
#include "analysis/replacement_analysis.h"
#include "analysis/week_collection.h"
#include "bench_data.h"

using namespace tandarel;

namespace {

// School years 2004/05 onwards, as the period dialogue hands them over.
Period schoolYears(int years) {
    const Date start{2004, 8, 1}, end{2004 + years, 7, 31};
    return Period{PeriodMode::SchoolYear, frenchShortDate(start), frenchShortDate(end), start, end};
}

// Collection and counting, as one run of the window does them.
void BM_ReplacementAnalysis(benchmark::State& state) {
    const int years = static_cast<int>(state.range(0));
    const auto& data = bench::schoolYears(years);
    const auto period = schoolYears(years);
    for (auto _ : state) {
        const auto files = collectWeekFiles(data.path, period.start, period.end);
        benchmark::DoNotOptimize(analyseReplacements(files, period, {100, 100}));
    }
}
BENCHMARK(BM_ReplacementAnalysis)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_NonReplacementAnalysis(benchmark::State& state) {
    const int years = static_cast<int>(state.range(0));
    const auto& data = bench::schoolYears(years);
    const auto period = schoolYears(years);
    for (auto _ : state) {
        const auto files = collectWeekFiles(data.path, period.start, period.end);
        benchmark::DoNotOptimize(analyseNonReplacements(files, period));
    }
}
BENCHMARK(BM_NonReplacementAnalysis)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {
void BM_CollectOnly(benchmark::State& state) {
    const auto& data = bench::schoolYears(1);
    const auto period = schoolYears(1);
    for (auto _ : state) benchmark::DoNotOptimize(collectWeekFiles(data.path, period.start, period.end));
}
BENCHMARK(BM_CollectOnly)->Unit(benchmark::kMillisecond);
}  // namespace
