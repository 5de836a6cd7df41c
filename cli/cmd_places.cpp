// places and strength: the birthplace list, and the strength of the five elements of a birth.
#include "cli/cmd_places.h"

#include "calendar/birth_place.h"
#include "cli/options.h"

int runPlaces(const QStringList& args, CliStreams io)
{
    const char* synopsis = "places TEXT";
    if (args.size() != 1 || args.front().trimmed().isEmpty()) return usage(io, synopsis);
    const QList<BirthPlace> found = SearchBirthPlaces(args.front(), 100);
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
