// The two name reports for one name and birth, all their lookups included: strokes, the stored
// score, the 81 texts, the three-talent row and, for the page's report, the four pillars.
#include "numerology/name_page_report.h"
#include "numerology/name_report.h"

#include <benchmark/benchmark.h>

namespace {

BirthInfo sampleBirth()
{
    BirthInfo b;
    b.year = QStringLiteral("1990");
    b.month = QStringLiteral("6");
    b.day = QStringLiteral("15");
    b.hour = QStringLiteral("辰 8");
    b.minute = QStringLiteral("30");
    return b;
}

template <class Build>
void runReport(benchmark::State& state, Build build)
{
    for (auto _ : state) {
        Report r = build();
        if (!r.complete()) {
            state.SkipWithError("the report did not complete: are the knowledge files built?");
            break;
        }
        benchmark::DoNotOptimize(r);
    }
}

void BM_NameWindowReport(benchmark::State& state)
{
    const NameReportInput in{QStringLiteral("欧阳"), QStringLiteral("明华"), sampleBirth()};
    runReport(state, [&] { return buildNameReport(in, QDate(2026, 6, 1)); });
}
BENCHMARK(BM_NameWindowReport)->Unit(benchmark::kMillisecond);

void BM_NamePageReport(benchmark::State& state)
{
    const NamePageInput in{QStringLiteral("欧阳"), QStringLiteral("明华"), sampleBirth()};
    runReport(state, [&] { return buildNamePageReport(in, QDate(2026, 6, 1)); });
}
BENCHMARK(BM_NamePageReport)->Unit(benchmark::kMillisecond);

}  // namespace
