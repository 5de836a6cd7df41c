// What the 音形义 judgement adds to a search: loading the judge from the tables once, then judging and
// ranking every name of the search into its recommended list. The names themselves are made once
// outside the timed loop (their search has its own benchmarks): the 100,452 lines of the automatic
// classic search for 王, 男, and the names of the whole 诗经 in poem mode. One name for a report is
// timed with its own loading, as the report does it.
#include "data/query.h"
#include "naming/classic_search.h"
#include "naming/name_quality.h"
#include "naming/poem_library.h"
#include "naming/poem_naming.h"
#include "naming/recommended_names.h"
#include "naming/stroke_plans.h"
#include "numerology/quality_section.h"

#include <benchmark/benchmark.h>

namespace {

const QStringList& classicLines()
{
    static const QStringList lines = [] {
        StrokePlanOptions plans;
        plans.surname = QStringLiteral("王");
        ClassicSearchOptions o;
        o.surname = plans.surname;
        o.planChoice = kAutomaticPlan;
        o.plans = StrokePlanItems(plans).mid(1);
        const std::atomic_bool searching{true};
        QStringList out;
        RunClassicSearch(o, searching, [&](const QString& line) { out << line.trimmed(); });
        return out;
    }();
    return lines;
}

const PoemNames& shijingNames()
{
    static const PoemNames names = [] {
        Query q(Db::KelBirth);
        q.open(QStringLiteral("select d_nr from sg where d_author like ?1 order by d_num"), QStringLiteral("诗经·%"));
        PoemNamingInput in;
        in.surnameBox = QStringLiteral("王");
        for (; !q.atEnd(); q.next()) in.text = AddPoemToSelection(in.text, q.field(0).asText());
        return RunPoemNaming(in).names;
    }();
    return names;
}

void BM_RecommendClassicAutomatic(benchmark::State& state)
{
    const QStringList& lines = classicLines();
    if (lines.isEmpty()) {
        state.SkipWithError("no names: are the knowledge files built?");
        return;
    }
    for (auto _ : state) {
        const QualityJudge judge = QualityJudge::forSearch(QStringLiteral("王"), ChildSex::Boy);
        benchmark::DoNotOptimize(recommendNames(judge, candidatesFromLines(QStringLiteral("王"), lines), kRecommendedListSize));
    }
    state.counters["names"] = double(lines.size());
}
BENCHMARK(BM_RecommendClassicAutomatic)->Unit(benchmark::kMillisecond);

void BM_RecommendPoemWholeShijing(benchmark::State& state)
{
    const PoemNames& names = shijingNames();
    if (names.isEmpty()) {
        state.SkipWithError("no names: are the knowledge files built?");
        return;
    }
    for (auto _ : state) {
        const QualityJudge judge = QualityJudge::forSearch(QStringLiteral("王"), ChildSex::Boy);
        NameCandidates c;
        c.count = names.size();
        c.given = [&](int i) { return names.givenName(i); };
        c.score = [&](int i) { return names.score(i); };
        c.line = [&](int i) { return names.line(i); };
        benchmark::DoNotOptimize(recommendNames(judge, c, kRecommendedListSize));
    }
    state.counters["names"] = double(names.size());
}
BENCHMARK(BM_RecommendPoemWholeShijing)->Unit(benchmark::kMillisecond);

// The judge alone, loaded once: the in-memory part of the classic ranking.
void BM_AssessClassicNamesInMemory(benchmark::State& state)
{
    const QStringList& lines = classicLines();
    const QualityJudge judge = QualityJudge::forSearch(QStringLiteral("王"), ChildSex::Boy);
    const NameCandidates c = candidatesFromLines(QStringLiteral("王"), lines);
    for (auto _ : state)
        for (int i = 0; i < c.count; ++i) benchmark::DoNotOptimize(judge.assess(c.given(i)));
    state.SetItemsProcessed(state.iterations() * c.count);
}
BENCHMARK(BM_AssessClassicNamesInMemory)->Unit(benchmark::kMillisecond);

void BM_LoadJudgeForSearch(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(QualityJudge::forSearch(QStringLiteral("王"), ChildSex::Boy));
}
BENCHMARK(BM_LoadJudgeForSearch)->Unit(benchmark::kMillisecond);

// The report's section: its own small load and the full judgement with every sentence.
void BM_QualitySectionOfOneName(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(qualitySectionLines(QStringLiteral("王"), QStringLiteral("梓轩"), QStringLiteral("男")));
}
BENCHMARK(BM_QualitySectionOfOneName)->Unit(benchmark::kMicrosecond);

}  // namespace
