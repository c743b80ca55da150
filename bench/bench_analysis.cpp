#include <benchmark/benchmark.h>

#include <chrono>

#include "analysis/bilan_comparison.h"
#include "analysis/bilan_report.h"
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

// The ratio to the read floor, the floor and the analysis timed in turn within each
// iteration: on a shared machine the two separate benchmarks may run at different speeds.
template <typename Analyse>
void ratioToFloor(benchmark::State& state, Analyse&& analyse) {
    using Clock = std::chrono::steady_clock;
    const int years = static_cast<int>(state.range(0));
    const auto& data = bench::schoolYears(years);
    const auto period = schoolYears(years);
    Clock::duration floor{}, analysis{};
    for (auto _ : state) {
        const auto t0 = Clock::now();
        benchmark::DoNotOptimize(bench::readAllBytes(data.weekFiles));
        const auto t1 = Clock::now();
        const auto files = collectWeekFiles(data.path, period.start, period.end);
        benchmark::DoNotOptimize(analyse(files, period));
        const auto t2 = Clock::now();
        floor += t1 - t0;
        analysis += t2 - t1;
    }
    state.counters["ratio"] = std::chrono::duration<double>(analysis) / std::chrono::duration<double>(floor);
}

void BM_ReplacementRatio(benchmark::State& state) {
    ratioToFloor(state, [](const WeekFileList& files, const Period& period) {
        return analyseReplacements(files, period, {100, 100});
    });
}
BENCHMARK(BM_ReplacementRatio)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_NonReplacementRatio(benchmark::State& state) {
    ratioToFloor(state, [](const WeekFileList& files, const Period& period) {
        return analyseNonReplacements(files, period);
    });
}
BENCHMARK(BM_NonReplacementRatio)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

// Every bilan, the second argument its kind (remplacants, ecoles, enseignants, alertes,
// comparaison). The comparison collects each school year's files itself: the
// collection of the whole period made by ratioToFloor is counted in its time too.
void BM_BilanRatio(benchmark::State& state) {
    const auto kind = static_cast<BilanKind>(state.range(1));
    const auto& folder = bench::schoolYears(static_cast<int>(state.range(0))).path;
    state.SetLabel(std::string(bilanWord(kind)));
    ratioToFloor(state, [&](const WeekFileList& files, const Period& period) {
        if (kind == BilanKind::Comparison) return compareSchoolYears(folder, PeriodKind{}, Date{2030, 1, 1}).report;
        return runBilan(kind, files, period);
    });
}
BENCHMARK(BM_BilanRatio)->ArgsProduct({{10}, {0, 1, 2, 3, 4}})->Unit(benchmark::kMillisecond);

void BM_CollectOnly(benchmark::State& state) {
    const auto& data = bench::schoolYears(1);
    const auto period = schoolYears(1);
    for (auto _ : state) benchmark::DoNotOptimize(collectWeekFiles(data.path, period.start, period.end));
}
BENCHMARK(BM_CollectOnly)->Unit(benchmark::kMillisecond);
}  // namespace
