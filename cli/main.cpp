// jiaming-cli: the program's functions without a window, for scripts and tests.
#include "cli/command.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <memory>

int main(int argc, char** argv)
{
    // Laying out a PDF needs fonts, hence a GUI application; it never opens a window, so the
    // offscreen platform serves where no display is set.
    bool drawsPdf = false;
    for (int i = 1; i < argc; ++i) drawsPdf = drawsPdf || QByteArray(argv[i]).startsWith("--pdf");
    std::unique_ptr<QCoreApplication> app;
    if (drawsPdf) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("jiaming-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(JIAMING_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int status = runCli(QCoreApplication::arguments().mid(1), {out, err});
    out.flush();
    err.flush();
    return status;
}
