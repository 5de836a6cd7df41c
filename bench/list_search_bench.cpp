// The list and idiom naming modes for 王, a boy, two-character names, every plan, minimum 70: the
// statement, the compact result and the first page of the grid with all its cells. The idiom
// condition is timed three ways on the same file: the join of pre-filtered characters (what the
// program runs), a set lookup per joined row, and the original LIKE over the whole list text.
#include "naming/idiom_list.h"
#include "naming/list_pager.h"
#include "naming/list_search.h"
#include "naming/naming_state.h"

#include <benchmark/benchmark.h>

namespace {

ListSearchOptions wangBoy(ListMode mode)
{
    ListSearchOptions o;
    o.surnameBox = QStringLiteral("王");
    o.sex = ChildSex::Boy;
    o.mode = mode;
    return o;
}

void reportResult(benchmark::State& state, const ListResult& r)
{
    state.counters["rows"] = r.rowCount();
    state.counters["result_bytes"] = double(r.memoryBytes());
}

void searchAndFirstPage(benchmark::State& state, ListMode mode)
{
    const QString idioms = idiomText();
    for (auto _ : state) {
        QString missing;
        auto r = RunListSearch(wangBoy(mode), missing, idioms);
        if (!r) {
            state.SkipWithError("the search failed: are the knowledge files built?");
            return;
        }
        ListPager pager(r->rowCount());
        QRandomGenerator random(1);
        int number = 0;
        for (int row : pager.nextPage(NamingState::kListPageSize, random))
            benchmark::DoNotOptimize(r->cells(row, ++number));
        state.PauseTiming();
        reportResult(state, *r);
        state.ResumeTiming();
    }
}

void BM_ListModeFirstPage(benchmark::State& state)
{
    searchAndFirstPage(state, ListMode::List);
}
BENCHMARK(BM_ListModeFirstPage)->Unit(benchmark::kMillisecond);

void BM_IdiomModeFirstPage(benchmark::State& state)
{
    searchAndFirstPage(state, ListMode::Idiom);
}
BENCHMARK(BM_IdiomModeFirstPage)->Unit(benchmark::kMillisecond);

// The two idiom conditions alone, statement and result, no page.
void idiomStatement(benchmark::State& state, IdiomMatch match)
{
    const ListSearchOptions o = wangBoy(ListMode::Idiom);
    const SurnameInfo info = lookupSurnameInfo(o.surnameBox);
    auto query = listQueryFor(o, {}, {}, info);
    query->idiomText = idiomText();
    query->idiomMatch = match;
    const BoundStatement statement = buildListStatement(*query);
    for (auto _ : state) {
        const ListResult r = runListStatement(statement, o.surnameBox, info);
        state.PauseTiming();
        reportResult(state, r);
        state.ResumeTiming();
    }
}

void BM_IdiomPreFiltered(benchmark::State& state)
{
    idiomStatement(state, IdiomMatch::PreFiltered);
}
BENCHMARK(BM_IdiomPreFiltered)->Unit(benchmark::kMillisecond);

void BM_IdiomLookup(benchmark::State& state)
{
    idiomStatement(state, IdiomMatch::Lookup);
}
BENCHMARK(BM_IdiomLookup)->Unit(benchmark::kMillisecond);

void BM_IdiomLikeConditionAsWritten(benchmark::State& state)
{
    idiomStatement(state, IdiomMatch::Like);
}
BENCHMARK(BM_IdiomLikeConditionAsWritten)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
