// The nickname page's "分析" for one birth: the chart with its element lookups, then one dictionary
// lookup per curated character; and one article of the knowledge page.
#include "tools/reference/nicknames.h"
#include "tools/reference/note_article.h"

#include <benchmark/benchmark.h>

namespace {

void BM_NicknamesForBirth(benchmark::State& state)
{
    BirthInfo birth;
    birth.sex = QStringLiteral("女");
    birth.year = QStringLiteral("1980");
    birth.month = QStringLiteral("5");
    birth.day = QStringLiteral("1");
    birth.hour = QStringLiteral("午 12");
    for (auto _ : state) {
        auto list = NicknamesForBirth(birth, NicknamePattern::Xiao);
        if (!list || list->isEmpty()) {
            state.SkipWithError("no nicknames: are the knowledge files built?");
            break;
        }
        benchmark::DoNotOptimize(list);
    }
}
BENCHMARK(BM_NicknamesForBirth)->Unit(benchmark::kMillisecond);

void BM_LoadNoteArticle(benchmark::State& state)
{
    for (auto _ : state) {
        auto article = LoadNoteArticle(QStringLiteral("XM018"));
        if (!article) {
            state.SkipWithError("no article: are the knowledge files built?");
            break;
        }
        benchmark::DoNotOptimize(article);
    }
}
BENCHMARK(BM_LoadNoteArticle)->Unit(benchmark::kMicrosecond);

}  // namespace
