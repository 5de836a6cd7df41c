// The shared main of the benchmarks: the real knowledge files of the build, whatever folder the
// benchmark is started from, and an application that can hold windows (offscreen unless a platform
// is chosen).
#include "data/db_files.h"

#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setDatabaseDirectory(QStringLiteral(JIAMING_BIN_DIR));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
