#include <benchmark/benchmark.h>

#include "bench_data.h"
#include "core/text_file.h"
#include "planning/planning_week.h"
#include "planning/week_grid_model.h"

using namespace tandarel;

namespace {

// Opening a stored 200-substitute week in the planning window: reading it into the
// planning week, then the model answering every cell once (text and colour), as a
// first full paint asks.
void BM_PlanningModel200(benchmark::State& state) {
    const auto& data = bench::bigWeek();
    const auto substitutes = planningSubstitutes(readTextLines(data.path / "personnels.pln"));
    const auto workingWeek = parseWorkingWeekLine(readFirstLine(data.path / "semaine.pln"));
    for (auto _ : state) {
        PlanningWeek week;
        week.setSources(data.path, substitutes, workingWeek);
        week.moveTo(Date{2004, 8, 4});
        WeekGridModel model(week, nullptr);
        for (int row = 0; row < model.rowCount(); ++row)
            for (int column = 0; column < model.columnCount(); ++column) {
                const auto index = model.index(row, column);
                benchmark::DoNotOptimize(model.data(index, Qt::DisplayRole));
                benchmark::DoNotOptimize(model.data(index, Qt::BackgroundRole));
            }
    }
}
BENCHMARK(BM_PlanningModel200)->Unit(benchmark::kMillisecond);

}  // namespace
