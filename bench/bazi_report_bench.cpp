// The bazi page's report for one birth, all its lookups included: the solar-term table for the
// pillars, ten gods and nayin, and the fifteen bone-weight statements.
#include "calendar/bazi_report.h"

#include <benchmark/benchmark.h>

namespace {

BaziReportInput sampleBirth()
{
    BaziReportInput in{QStringLiteral("李"), QStringLiteral("雅亮"), {}};
    in.birth.year = QStringLiteral("1984");
    in.birth.month = QStringLiteral("2");
    in.birth.day = QStringLiteral("4");
    in.birth.hour = QStringLiteral("午 12");
    in.birth.minute = QStringLiteral("0");
    return in;
}

void BM_BaziReport(benchmark::State& state)
{
    const BaziReportInput in = sampleBirth();
    const QDate today(2026, 6, 1);
    for (auto _ : state) {
        Report r = buildBaziReport(in, today);
        if (!r.complete()) {
            state.SkipWithError("the report did not complete: are the knowledge files built?");
            break;
        }
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_BaziReport)->Unit(benchmark::kMillisecond);

}  // namespace
