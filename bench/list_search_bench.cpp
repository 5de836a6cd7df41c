// The list and idiom naming modes for 王, a boy, two-character names, every plan, minimum 70: the
// statement, the compact result and the first page of the grid with all its cells. The idiom
// condition is timed three ways on the same file and in the same run: the join of pre-filtered
// characters (what the program runs), a set lookup per joined row, and the original statement with
// its LIKE over the whole list text.
#include "naming/idiom_list.h"
#include "naming/list_pager.h"
#include "naming/list_run.h"
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
            benchmark::DoNotOptimize(cellTexts(r->row(row, ++number)));
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

// The original statement for a single surname and a two-character name, column list and all, in
// SQLite's words, with the idiom text tested by LIKE for both characters of every joined row. Its
// values are bound rather than pasted, which the engine treats alike; the whole result is loaded.
void BM_IdiomLikeOriginalStatement(benchmark::State& state)
{
    const QString sql = QStringLiteral(
        "select zi1 || zi2 as zi, zi2 || zi1 as zi2, ft1 || ft2 as ft, wuhang1 || wuhang2 as wuhang, "
        "pinyin1 || '-' || pinyin2 as pinyin, wg, sc, zf, bh1, bh2 from (select b.zi as zi1, c.zi as zi2, "
        "substr(b.ft, 1, 1) as ft1, substr(c.ft, 1, 1) as ft2, b.wuhang as wuhang1, c.wuhang as wuhang2, "
        "b.pinyin as pinyin1, c.pinyin as pinyin2, b.bh as bh1, c.bh as bh2, a.wg, a.sc, a.zf from "
        "(select bh21, bh22, zf, wg, sc from zh where lx = 12 and bh11 = ? and zf > ? order by jxjx, zf desc limit ?) a, "
        "word b, word c where a.bh21 = b.bh and a.bh22 = c.bh and b.aflag is null and c.aflag is null "
        "and (b.nan + c.nan > 0) and ? like '%' || b.zi || '%' and ? like '%' || c.zi || '%') d limit 100000");
    const QString idioms = idiomText();
    const int surnameStrokes = lookupSurnameInfo(QStringLiteral("王")).S1;
    for (auto _ : state) {
        Query q(Db::Velmora);
        q.open(sql, surnameStrokes, 69, 50, idioms, idioms);
        state.counters["rows"] = q.rowCount();
    }
}
BENCHMARK(BM_IdiomLikeOriginalStatement)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
