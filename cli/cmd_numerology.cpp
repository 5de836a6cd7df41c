// score, analyse and name-report: the name score and the two name reports.
#include "cli/cmd_numerology.h"

#include "cli/options.h"
#include "numerology/luck_numbers.h"
#include "numerology/name_page_report.h"
#include "numerology/name_report.h"
#include "numerology/name_score.h"

#include <QDate>

namespace {

int printReport(const Report& report, CliStreams io)
{
    if (!report.changesPane()) {
        io.err << report.message << '\n';
        return kExitUsage;
    }
    for (const QString& line : report.lines) io.out << line << '\n';
    if (report.end == ReportEnd::Failed) io.err << report.message << '\n';
    if (report.end == ReportEnd::Abandoned) io.err << "a knowledge file could not be read; the report is incomplete\n";
    return report.complete() ? kExitOk : kExitFailure;
}

template <class Build>
int runReport(const QStringList& args, CliStreams io, const char* usage, const QStringList& allowed, Build build)
{
    const auto options = parseOptions(args, allowed);
    if (!options) {
        io.err << options.error() << "\nusage: jiaming-cli " << usage << '\n';
        return kExitUsage;
    }
    if (const QString fault = birthOptionsFault(*options); !fault.isEmpty()) {
        io.err << fault << "\nusage: jiaming-cli " << usage << '\n';
        return kExitUsage;
    }
    return printReport(build(*options), io);
}

const QStringList kBirthOptions = {"surname", "given", "calendar", "year", "month", "day", "hour", "minute"};

}  // namespace

int runScore(const QStringList& args, CliStreams io)
{
    if (args.size() != 2 || args[0].trimmed().isEmpty() || args[1].trimmed().isEmpty()) {
        io.err << "usage: jiaming-cli score SURNAME GIVEN\n";
        return kExitUsage;
    }
    try {
        io.out << formatScore(NameScore(args[0].trimmed(), args[1].trimmed())) << '\n';
    } catch (const ActionAbandoned&) {
        io.err << "KelFile.dll could not be read\n";
        return kExitFailure;
    }
    return kExitOk;
}

int runAnalyse(const QStringList& args, CliStreams io)
{
    return runReport(args, io, "analyse --surname S --given G [--calendar 公历|农历] [--year Y] [--month M] [--day D] "
                               "[--hour \"午 12\"] [--minute 0]",
                     kBirthOptions, [](const QMap<QString, QString>& o) {
                         return buildNameReport({o.value("surname"), o.value("given"), birthFromOptions(o)},
                                                QDate::currentDate());
                     });
}

int runNameReport(const QStringList& args, CliStreams io)
{
    return runReport(args, io, "name-report --surname S --given G [--sex 男|女] [--calendar 公历|农历] [--year Y] "
                               "[--month M] [--day D] [--hour \"午 12\"] [--minute 0]",
                     kBirthOptions + QStringList{"sex"}, [](const QMap<QString, QString>& o) {
                         return buildNamePageReport({o.value("surname"), o.value("given"), birthFromOptions(o)},
                                                    QDate::currentDate());
                     });
}
