// lunar, solar, sign, bone, terms, pillars and bazi: the calendar and the four pillars.
#include "cli/cmd_calendar.h"

#include "calendar/bazi_cast.h"
#include "calendar/bazi_report.h"
#include "calendar/missing_elements.h"
#include "calendar/bone_weight.h"
#include "calendar/constellation.h"
#include "calendar/luck_cycle.h"
#include "calendar/lunar_calendar.h"
#include "calendar/lunar_table.h"
#include "calendar/lunar_text.h"
#include "calendar/solar_term_names.h"
#include "cli/options.h"
#include "data/date_text.h"
#include "data/db_error.h"
#include "data/query.h"

#include <QDate>
#include <algorithm>
#include <optional>

namespace {

// The true solar time a birth is cast on, "HH:mm"; empty without a place.
QString TrueSolarTimeOf(const BirthInfo& birth)
{
    const auto chart = CastBirthChart(birth);
    if (!chart || !chart->moment.place) return {};
    return chart->moment.time.toString(QStringLiteral("HH:mm"));
}

// The one date argument of lunar and sign.
std::optional<QDate> dateArgument(const QStringList& args, CliStreams io, const char* synopsis)
{
    if (args.size() != 1) {
        usage(io, synopsis);
        return std::nullopt;
    }
    const auto date = parseDateText(args.front());
    if (!date) {
        usage(io, synopsis, date.error());
        return std::nullopt;
    }
    return *date;
}

}  // namespace

int runLunar(const QStringList& args, CliStreams io)
{
    const auto date = dateArgument(args, io, "lunar YYYY-MM-DD");
    if (!date) return kExitUsage;
    const LunarDate l = SolarToLunar(*date);
    if (l.isNull())
        return usage(io, "lunar YYYY-MM-DD", QStringLiteral("%1 is outside the lunar table (1900-01-31 … 2100-12-31)").arg(dateText(*date)));
    io.out << l.Year << '\t' << l.Month << '\t' << l.Day << '\t' << (l.IsLeap ? 1 : 0) << '\t'
           << LunarYearText(l.Year - 1864) + LunarMonthText(l.Month, l.IsLeap) + LunarDayText(l.Day) << '\n';
    return kExitOk;
}

int runSolar(const QStringList& args, CliStreams io)
{
    const char* synopsis = "solar YEAR MONTH DAY [leap]";
    if (args.size() != 3 && args.size() != 4) return usage(io, synopsis);
    const auto year = integer(args[0]), month = integer(args[1]), day = integer(args[2]);
    if (!year || !month || !day) return usage(io, synopsis, QStringLiteral("YEAR, MONTH and DAY must be integers"));
    bool leap = false;
    if (args.size() == 4) {
        if (args[3] != "0" && args[3] != "1") return usage(io, synopsis, QStringLiteral("leap must be 0 or 1"));
        leap = args[3] == "1";
    }
    // Month and day below 1 have no solar day; the conversion itself would count back from the month.
    const LunarDate lunar{*year, *month, *day, leap};
    if (*month < 1 || *day < 1 || !IsValidLunarDate(lunar))
        return usage(io, synopsis, QStringLiteral("no lunar date %1-%2-%3%4 (lunar years %5 … %6)")
                                       .arg(*year).arg(*month).arg(*day).arg(leap ? QStringLiteral(" leap") : QString())
                                       .arg(kLunarFirstYear + 1).arg(kLunarLastYear - 1));
    io.out << dateText(LunarToSolar(lunar)) << '\n';
    return kExitOk;
}

int runSign(const QStringList& args, CliStreams io)
{
    const auto date = dateArgument(args, io, "sign YYYY-MM-DD");
    if (!date) return kExitUsage;
    io.out << ConstellationOf(*date) << '\n';
    return kExitOk;
}

int runBone(const QStringList& args, CliStreams io)
{
    const char* synopsis = "bone YEAR MONTH DAY HOUR";
    if (args.size() != 4) return usage(io, synopsis);
    // The weight tables hold the lunar years of the birth forms, months 1 … 12, days 1 … 30 and the
    // clock hours; a value without a row would weigh nothing and give a wrong total.
    const QString faults[] = {rangeFault(QStringLiteral("YEAR"), args[0], kFirstTableYear, kLastTableYear),
                              rangeFault(QStringLiteral("MONTH"), args[1], 1, 12), rangeFault(QStringLiteral("DAY"), args[2], 1, 30),
                              rangeFault(QStringLiteral("HOUR"), args[3], 0, 23)};
    for (const QString& fault : faults)
        if (!fault.isEmpty()) return usage(io, synopsis, fault);
    try {
        for (int part = 0; part < 3; ++part)
            if (const auto line = BoneWeightLine(args[0].trimmed(), args[1].trimmed(), args[2].trimmed(), args[3].trimmed(), part))
                io.out << *line << '\n';
    } catch (const ActionAbandoned&) {
        io.err << "the bone-weight tables of " << dbFileName(Db::Dream) << " cannot be read\n";
        return kExitFailure;
    }
    return kExitOk;
}

int runTerms(const QStringList& args, CliStreams io)
{
    const char* synopsis = "terms YEAR";
    if (args.size() != 1) return usage(io, synopsis);
    const auto year = integer(args.front());
    if (!year) return usage(io, synopsis, QStringLiteral("YEAR must be an integer"));
    struct Row {
        int index;
        QString name, moment;
    };
    std::vector<Row> rows;
    try {
        Query q(Db::Tgcode);
        for (q.open(QStringLiteral("select JQ, SJ from JQ where YearA = ?"), *year); !q.atEnd(); q.next())
            rows.push_back({SolarTermIndex(q.field(0).asText()), q.field(0).asText(), q.field(1).asText()});
    } catch (const DbError& e) {
        io.err << e.message() << '\n';
        return kExitFailure;
    }
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.index < b.index; });
    if (rows.empty()) return usage(io, synopsis, QStringLiteral("no solar terms recorded for %1").arg(*year));
    for (const Row& r : rows) io.out << r.name << '\t' << r.moment << '\n';
    return kExitOk;
}

int runPillars(const QStringList& args, CliStreams io)
{
    const char* synopsis = "pillars --date YYYY-MM-DD [--hour H] [--minute M] [--sex 男|女] [--place P] [--longitude DEG] "
                           "[--zi late|early]";
    const auto options = parseOptions(args, {"date", "hour", "minute", "sex", "place", "longitude", "zi"});
    if (!options) return usage(io, synopsis, options.error());
    if (!options->contains("date")) return usage(io, synopsis, QStringLiteral("--date is required"));
    const auto date = parseDateText(options->value("date"));
    if (!date) return usage(io, synopsis, date.error());
    if (const QString fault = rangeFault(QStringLiteral("the year of --date"), QString::number(date->year()),
                                         kFirstTableYear, kLastTableYear);
        !fault.isEmpty())
        return usage(io, synopsis, fault);
    const auto hour = integer(options->value("hour", "0")), minute = integer(options->value("minute", "0"));
    if (!hour || !minute || *hour < 0 || *hour > 23 || *minute < 0 || *minute > 59)
        return usage(io, synopsis, QStringLiteral("--hour must be 0 … 23 and --minute 0 … 59"));
    const QString sex = options->value("sex", QStringLiteral("男")).trimmed();
    if (sex != QStringLiteral("男") && sex != QStringLiteral("女")) return usage(io, synopsis, QStringLiteral("--sex must be 男 or 女"));
    const QString zi = options->value("zi", QStringLiteral("late")).trimmed();
    if (zi != QStringLiteral("late") && zi != QStringLiteral("early")) return usage(io, synopsis, QStringLiteral("--zi must be late or early"));
    const auto place = BirthLongitudeOf(options->value("place"), options->value("longitude"));
    if (!place) {
        io.err << place.error() << '\n';
        return kExitUsage;
    }

    const BaziChart c = CastBaziChart(ChartMomentAt(*date, QTime(*hour, *minute), *place, zi == QStringLiteral("early")),
                                      SexOfText(sex));
    io.out << c.yearPillar.text() << ' ' << c.monthPillar.text() << ' ' << c.dayPillar.text() << ' '
           << c.hourPillar.text() << '\n'
           << (c.Backward ? QStringLiteral("逆") : QStringLiteral("顺")) << '\n'
           << c.StartAge << '\n'
           << LuckPillarsTextOf(c.LuckPillars) << '\n'
           << c.Conception.text() << '\n';
    if (c.moment.place) io.out << QStringLiteral("真太阳时\t") << c.moment.time.toString(QStringLiteral("HH:mm")) << '\n';
    return kExitOk;
}

int runBazi(const QStringList& args, CliStreams io)
{
    const char* synopsis = "bazi --surname S --given G [--sex 男|女] [--calendar 公历|农历] [--year Y] [--month M] [--day D] "
                           "[--hour \"午 12\"] [--minute 0] [--place P] [--longitude DEG] [--zi late|early]";
    const auto options = parseOptions(
        args, {"surname", "given", "sex", "calendar", "year", "month", "day", "hour", "minute", "place", "longitude", "zi"});
    if (!options) return usage(io, synopsis, options.error());
    if (const QString fault = birthOptionsFault(*options); !fault.isEmpty()) return usage(io, synopsis, fault);
    BaziReportInput in;
    in.surname = options->value("surname");
    in.givenName = options->value("given");
    in.birth = birthFromOptions(*options);

    const Report report = buildBaziReport(in, QDate::currentDate());
    switch (report.end) {
    case ReportEnd::Complete:
        for (const QString& line : report.lines) io.out << line << '\n';
        if (const QString time = TrueSolarTimeOf(in.birth); !time.isEmpty()) io.out << QStringLiteral("真太阳时\t") << time << '\n';
        return kExitOk;
    case ReportEnd::Refused:
    case ReportEnd::DateError:
        io.err << report.message << '\n';
        return kExitUsage;
    case ReportEnd::Abandoned:
        io.err << "a knowledge file cannot be read; no report\n";
        return kExitFailure;
    case ReportEnd::Failed:
        io.err << report.message << '\n';
        return kExitFailure;
    }
    return kExitFailure;
}
