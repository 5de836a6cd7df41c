// strokes and grids: the character dictionary and the five grids of a name.
#include "cli/cmd_dictionary.h"

#include "data/char_dictionary.h"
#include "numerology/five_grids.h"

int runStrokes(const QStringList& args, CliStreams io)
{
    if (args.size() != 1 || args.front().isEmpty()) {
        io.err << "usage: jiaming-cli strokes TEXT\n";
        return kExitUsage;
    }
    for (char32_t cp : args.front().toUcs4()) {
        const QString ch = QString::fromUcs4(&cp, 1);
        io.out << ch << '\t' << CharStrokes(ch) << '\t' << CharPinyin(ch) << '\t' << CharElement(ch) << '\n';
    }
    return kExitOk;
}

int runGrids(const QStringList& args, CliStreams io)
{
    if (args.size() != 2 || args[0].trimmed().isEmpty() || args[1].trimmed().isEmpty()) {
        io.err << "usage: jiaming-cli grids SURNAME GIVEN\n";
        return kExitUsage;
    }
    const FiveGrids g = FiveGridsOf(args[0].trimmed(), args[1].trimmed());
    io.out << g.tian << '\t' << g.ren << '\t' << g.di << '\t' << g.zong << '\t' << g.wai << '\n';
    return kExitOk;
}
