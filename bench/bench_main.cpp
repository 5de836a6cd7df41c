// The shared main of the benchmarks: the real knowledge files of the build, whatever folder the
// benchmark is started from.
#include "data/db_files.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    setDatabaseDirectory(QStringLiteral(JIAMING_BIN_DIR));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
