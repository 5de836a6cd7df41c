// The classic search as the naming page runs it for 王, 男, 双字名, "电脑全自动", minimum 70: the plan
// list, every statement and the spread-order reading, headless. The counter "names" is how many
// name lines one search produces.
#include "naming/classic_search.h"
#include "naming/name_placement.h"
#include "naming/stroke_plans.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ClassicSearchAutomatic(benchmark::State& state)
{
    std::int64_t names = 0;
    for (auto _ : state) {
        StrokePlanOptions plans;
        plans.surname = QStringLiteral("王");
        ClassicSearchOptions o;
        o.surname = plans.surname;
        o.planChoice = kAutomaticPlan;
        o.plans = StrokePlanItems(plans).mid(1);
        const std::atomic_bool searching{true};
        names = 0;
        if (RunClassicSearch(o, searching, [&](const QString& line) { ++names; benchmark::DoNotOptimize(line); }) !=
            SearchEnd::Finished) {
            state.SkipWithError("the search failed: are the knowledge files built?");
            break;
        }
    }
    state.counters["names"] = double(names);
}
BENCHMARK(BM_ClassicSearchAutomatic)->Unit(benchmark::kMillisecond);

// What the page does with each line on the user-interface thread: the pick and the six-cell rows.
void BM_PlaceNameLines(benchmark::State& state)
{
    const QString line = QStringLiteral("王明华(85分)");
    for (auto _ : state) {
        NamingState rows;
        for (int i = 0; i < 100000; ++i) benchmark::DoNotOptimize(PlaceNameLine(line, 75, rows));
    }
    state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_PlaceNameLines)->Unit(benchmark::kMillisecond);

}  // namespace
