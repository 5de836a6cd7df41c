// Names drawn from poems, as "马上起名" makes them: the candidates, the stroke patterns, the names in
// score order, and the lines put into the page's name list. Over the whole 诗经 that is some
// 600,000 names for 王, 男, 双字名; over one poem a few dozen.
#include "app/naming/name_list_model.h"
#include "data/query.h"
#include "naming/poem_library.h"
#include "naming/poem_naming.h"

#include <benchmark/benchmark.h>

namespace {

// The selection box after "添加到已选" of every poem whose author matches.
QString selectionOf(const QString& authorPattern)
{
    Query q(Db::KelBirth);
    q.open(QStringLiteral("select d_nr from sg where d_author like ?1 order by d_num"), authorPattern);
    QString text;
    for (; !q.atEnd(); q.next()) text = AddPoemToSelection(text, q.field(0).asText());
    return text;
}

void runNaming(benchmark::State& state, const QString& text)
{
    PoemNamingInput in;
    in.surnameBox = QStringLiteral("王");
    in.text = text;
    NameListModel list;
    for (auto _ : state) {
        const PoemNamingOutcome out = RunPoemNaming(in);
        if (out.end != PoemNamingEnd::Listed) {
            state.SkipWithError("no names: are the knowledge files built?");
            break;
        }
        list.clear();
        list.append(out.names.lines());
        state.counters["names"] = list.rowCount();
    }
}

void BM_PoemNamesWholeShijing(benchmark::State& state)
{
    runNaming(state, selectionOf(QStringLiteral("诗经·%")));
}
BENCHMARK(BM_PoemNamesWholeShijing)->Unit(benchmark::kMillisecond);

void BM_PoemNamesOnePoem(benchmark::State& state)
{
    Query q(Db::KelBirth);
    runNaming(state, q.scalarText(QStringLiteral("select d_nr from sg where d_title = '关雎（周南）'")));
}
BENCHMARK(BM_PoemNamesOnePoem)->Unit(benchmark::kMillisecond);

}  // namespace
