// The folk tools per call: each converts its text to GBK bytes and walks a compiled table, and the
// mobile and element lookups each run one statement on their knowledge file.
#include "data/query.h"
#include "tools/five_element_query.h"
#include "tools/name_compatibility.h"
#include "tools/net_name.h"
#include "tools/number_reading.h"

#include <benchmark/benchmark.h>

namespace {

void BM_CompatibilityTest(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(compatibilityTest(QStringLiteral("欧阳明华"), QStringLiteral("李雅")));
}
BENCHMARK(BM_CompatibilityTest);

void BM_NetNamePersonality(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(NetNamePersonality(QStringLiteral("快乐的小宝贝ABC3")));
}
BENCHMARK(BM_NetNamePersonality);

void BM_NumberFortune(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(numberFortune(QStringLiteral("123456789"), true));
}
BENCHMARK(BM_NumberFortune);

void BM_MobileFortune(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(mobileFortune(QStringLiteral("13800001234")));
}
BENCHMARK(BM_MobileFortune);

void BM_TextElements(benchmark::State& state)
{
    Query velmora(Db::Velmora);  // the window keeps its query open, as here
    for (auto _ : state) benchmark::DoNotOptimize(textElements(velmora, QStringLiteral("欧阳明華李")));
}
BENCHMARK(BM_TextElements);

}  // namespace
