#include <benchmark/benchmark.h>

#include <filesystem>

#include "backup/backup.h"
#include "bench_data.h"

using namespace tandarel;

namespace {

namespace fs = std::filesystem;

// The start of a day whose data yesterday's archive already holds: read and compare
// everything, then write today's archive all the same (one a day).
void BM_StartupBackupNewDay(benchmark::State& state) {
    const auto& data = bench::schoolYears(10);
    fs::remove_all(backupFolder(data.path));
    backUpData(data.path, {{2026, 12, 7}, 9, 0, 1});
    std::uintmax_t archiveBytes = 0;
    for (auto _ : state) {
        const auto made = backUpData(data.path, {{2026, 12, 8}, 9, 30, 1});
        removeOldArchives(data.path, {2026, 12, 8});
        state.PauseTiming();
        const auto archive = backupFolder(data.path) / *made.holding;
        archiveBytes = fs::file_size(archive);
        fs::remove(archive);
        state.ResumeTiming();
    }
    state.counters["archive_MB"] = static_cast<double>(archiveBytes) / (1024.0 * 1024.0);
    fs::remove_all(backupFolder(data.path));
}
BENCHMARK(BM_StartupBackupNewDay)->Unit(benchmark::kMillisecond)->UseRealTime();

// Another start the same day, nothing changed: read and compare only.
void BM_StartupBackupSameDay(benchmark::State& state) {
    const auto& data = bench::schoolYears(10);
    fs::remove_all(backupFolder(data.path));
    backUpData(data.path, {{2026, 12, 8}, 9, 0, 1});
    for (auto _ : state) {
        benchmark::DoNotOptimize(backUpData(data.path, {{2026, 12, 8}, 9, 30, 1}));
        removeOldArchives(data.path, {2026, 12, 8});
    }
    fs::remove_all(backupFolder(data.path));
}
BENCHMARK(BM_StartupBackupSameDay)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
