// Runs a jiaming-cli command in-process and keeps what it wrote and its exit status.
#pragma once

#include "cli/command.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

struct CommandRun {
    int status;
    QString out, err;
};

inline CommandRun run(int (*command)(const QStringList&, CliStreams), const QStringList& args)
{
    QString out, err;
    int status = 0;
    {
        QTextStream o(&out), e(&err);
        status = command(args, {o, e});
    }
    return {status, out, err};
}

// Through the dispatcher, as the program's main does.
inline CommandRun cli(const QStringList& args)
{
    return run(runCli, args);
}

// What the command printed, one entry per line, without the empty entry after the last line end.
inline QStringList linesOf(const CommandRun& run)
{
    QStringList lines = run.out.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines;
}
