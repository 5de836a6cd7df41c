#include "command.h"

#include "cli/cmd_dbinfo.h"
#include "cli/cmd_dictionary.h"

#include <QCoreApplication>

const std::vector<Command>& commands()
{
    static const std::vector<Command> all = {
        {"dbinfo", "", "list every table of the five knowledge files with its row count", runDbInfo},
        {"strokes", "TEXT", "each character: strokes, reading, element", runStrokes},
        {"grids", "SURNAME GIVEN", "the five grids: 天格 人格 地格 总格 外格", runGrids},
    };
    return all;
}

namespace {

void printHelp(QTextStream& out)
{
    out << "jiaming-cli: the command-line front door of 嘉名 (names, scores and birth charts)\n\n"
           "usage: jiaming-cli COMMAND [ARGUMENTS]\n"
           "       jiaming-cli --help | --version\n\n"
           "commands:\n";
    for (const Command& c : commands()) {
        const QString synopsis = QString::fromLatin1(c.name) + (*c.usage ? " " + QString::fromUtf8(c.usage) : QString());
        out << "  " << synopsis.leftJustified(34) << ' ' << QString::fromUtf8(c.summary) << '\n';
    }
    out << "\nThe knowledge files are read from the folder of the executable.\n"
           "Exit status: 0 done, 1 a file could not be read, 2 bad arguments or refused input.\n";
}

}  // namespace

int runCli(const QStringList& args, CliStreams io)
{
    if (args.isEmpty()) {
        printHelp(io.err);
        return kExitUsage;
    }
    const QString& first = args.front();
    if (first == "--help" || first == "-h" || first == "help") {
        printHelp(io.out);
        return kExitOk;
    }
    if (first == "--version") {
        io.out << "jiaming-cli " << QCoreApplication::applicationVersion() << '\n';
        return kExitOk;
    }
    for (const Command& c : commands())
        if (first == QLatin1String(c.name)) return c.run(args.mid(1), io);
    io.err << "unknown command: " << first << " (see jiaming-cli --help)\n";
    return kExitUsage;
}
