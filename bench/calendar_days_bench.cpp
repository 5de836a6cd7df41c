// Walking every day of the calendar: the lunar dates of 1901 … 2050 by both lunar tables, the month
// layouts of the calendar window, and the almanac table of 1900 … 2100 with and without its file.
#include "calendar/almanac_day.h"
#include "calendar/calendar_month.h"
#include "calendar/calendar_year_info.h"
#include "calendar/lunar_calendar.h"
#include "db/builder/almanac_table.h"
#include "db/builder/database_writer.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const QDate kFirst(1901, 1, 1), kLast(2050, 12, 31);

void BM_CalendarLunarCodeEveryDay(benchmark::State& state)
{
    for (auto _ : state) {
        qint64 sum = 0;
        for (QDate d = kFirst; d <= kLast; d = d.addDays(1)) sum += CalendarLunarCode(d);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * (kFirst.daysTo(kLast) + 1));
}
BENCHMARK(BM_CalendarLunarCodeEveryDay)->Unit(benchmark::kMillisecond);

void BM_SolarToLunarEveryDay(benchmark::State& state)
{
    for (auto _ : state) {
        qint64 sum = 0;
        for (QDate d = kFirst; d <= kLast; d = d.addDays(1)) sum += SolarToLunar(d).Day;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * (kFirst.daysTo(kLast) + 1));
}
BENCHMARK(BM_SolarToLunarEveryDay)->Unit(benchmark::kMillisecond);

// What the calendar window computes for one drawing.
void BM_CalendarMonth(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(CalendarMonthOf(QDate(2024, 2, 10)));
}
BENCHMARK(BM_CalendarMonth)->Unit(benchmark::kMicrosecond);

const std::filesystem::path kRulesDir = JIAMING_SOURCE_DIR "/db/almanac";

// Every entry of 1900 … 2100 computed, its solar terms included, without the database.
void BM_AlmanacEntries(benchmark::State& state)
{
    const auto rules = AlmanacRules::readFolder(QString::fromStdString(kRulesDir.string()));
    if (!rules) {
        state.SkipWithError(rules.error().toStdString().c_str());
        return;
    }
    for (auto _ : state) {
        AlmanacCalendar calendar(*rules);
        for (QDate d(kAlmanacFirstYear, 1, 1); d <= QDate(kAlmanacLastYear, 12, 31); d = d.addDays(1))
            benchmark::DoNotOptimize(calendar.entryOf(d));
    }
}
BENCHMARK(BM_AlmanacEntries)->Unit(benchmark::kMillisecond)->Iterations(3);

// The table huangdao as the builder makes it: rules read, 73,414 rows computed and written.
void BM_HuangdaoTableBuild(benchmark::State& state)
{
    QTemporaryDir dir;
    for (auto _ : state) {
        DatabaseWriter writer(dir.filePath(QStringLiteral("KelBirth.dll")).toStdString());
        writer.execScript("CREATE TABLE huangdao (gn TEXT PRIMARY KEY, nn TEXT, suici TEXT, tszf TEXT, wuhang TEXT,"
                          " cong TEXT, pzbj TEXT, jsyq TEXT, yi TEXT, xsyq TEXT, ji TEXT);");
        writer.insertRows("huangdao", almanacColumns(), almanacRows(kRulesDir));
        writer.finish();
    }
}
BENCHMARK(BM_HuangdaoTableBuild)->Unit(benchmark::kMillisecond)->Iterations(3);

// All five knowledge files, by the builder itself, as the build runs it.
void BM_AllKnowledgeFiles(benchmark::State& state)
{
    QTemporaryDir dir;
    for (auto _ : state) {
        QProcess builder;
        builder.start(QStringLiteral(JIAMING_DBBUILD), {QStringLiteral(JIAMING_SOURCE_DIR "/db"), dir.path()});
        if (!builder.waitForFinished(120000) || builder.exitCode() != 0) {
            state.SkipWithError("jiaming-dbbuild failed");
            break;
        }
    }
}
BENCHMARK(BM_AllKnowledgeFiles)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace
