// The subcommands of jiaming-cli. Each is a plain function over its arguments that writes its
// answer to out and its complaints to err, and returns the exit status.
#pragma once

#include <QStringList>
#include <QTextStream>
#include <vector>

struct CliStreams {
    QTextStream& out;
    QTextStream& err;
};

struct Command {
    const char* name;
    const char* usage;    // the argument synopsis shown by --help
    const char* summary;  // one line for --help
    int (*run)(const QStringList& args, CliStreams io);
};

const std::vector<Command>& commands();

// Exit statuses shared by every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // a file could not be read
inline constexpr int kExitUsage = 2;    // bad arguments or input the program refuses

int runCli(const QStringList& args, CliStreams io);
