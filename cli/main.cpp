// jiaming-cli: the program's functions without a window, for scripts and tests.
#include "cli/command.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("jiaming-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(JIAMING_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int status = runCli(app.arguments().mid(1), {out, err});
    out.flush();
    err.flush();
    return status;
}
