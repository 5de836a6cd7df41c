// places and strength: the birthplace list, and the strength of the five elements of a birth.
#include "cli/cmd_places.h"

#include "calendar/birth_place.h"
#include "calendar/element_strength.h"
#include "calendar/missing_elements.h"
#include "cli/options.h"
#include "data/db_error.h"

int runPlaces(const QStringList& args, CliStreams io)
{
    const char* synopsis = "places TEXT";
    if (args.size() != 1 || args.front().trimmed().isEmpty()) return usage(io, synopsis);
    QList<BirthPlace> found;
    try {
        found = SearchBirthPlacesReported(args.front(), 100);
    } catch (const DbError& e) {
        io.err << e.message() << '\n';
        return kExitFailure;
    }
    if (found.isEmpty()) {
        io.err << "no place matches " << args.front() << '\n';
        return kExitUsage;
    }
    for (const BirthPlace& p : found) {
        const QString where = p.label().mid(p.name.size()).remove(u'（').remove(u'）');
        io.out << p.name << '\t' << where << '\t' << QString::number(p.longitude, 'f', 2) << '\t'
               << QString::number(p.latitude, 'f', 2) << '\n';
    }
    return kExitOk;
}

int runStrength(const QStringList& args, CliStreams io)
{
    const char* synopsis = "strength [--sex 男|女] [--calendar 公历|农历] [--year Y] [--month M] [--day D] "
                           "[--hour \"午 12\"] [--minute 0] [--place P] [--longitude DEG] [--zi late|early]";
    const auto options = parseOptions(
        args, {"sex", "calendar", "year", "month", "day", "hour", "minute", "place", "longitude", "zi"});
    if (!options) return usage(io, synopsis, options.error());
    if (const QString fault = birthOptionsFault(*options); !fault.isEmpty()) return usage(io, synopsis, fault);
    const auto chart = CastBirthChart(birthFromOptions(*options));
    if (!chart) {
        io.err << chart.error() << '\n';
        return kExitUsage;
    }
    const ElementStrength s = ElementStrengthOf(*chart);
    for (int e = 0; e < kElementCount; ++e) io.out << ElementName(e) << '\t' << QString::number(s.shares[e], 'f', 1) << '\n';
    io.out << QStringLiteral("日主\t") << (s.strong ? QStringLiteral("强") : QStringLiteral("弱")) << '\n'
           << QStringLiteral("喜用\t") << s.favourableText() << '\n';
    return kExitOk;
}
