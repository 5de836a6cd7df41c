#include "birth_place.h"

#include "data/failure.h"
#include "data/query.h"

#include <cmath>

namespace {

const QString kColumns = QStringLiteral("code, province, city, name, longitude, latitude");

// Ranks an exact name first, then names that begin with the text, then the rest; within each, the
// provinces and prefectures (codes ending in 00) before the counties.
const QString kOrder = QStringLiteral(
    " order by (name = ?1) desc, (name like ?1 || '%') desc, (substr(code, 5, 2) = '00') desc, code");

QList<BirthPlace> readPlaces(Query& q)
{
    QList<BirthPlace> places;
    for (; !q.atEnd(); q.next())
        places.append({q.field(0).asText(), q.field(1).asText(), q.field(2).asText(), q.field(3).asText(),
                       q.field(4).asDouble(), q.field(5).asDouble()});
    return places;
}

// LIKE patterns take the text literally: its own wildcards are dropped.
QString withoutWildcards(const QString& text)
{
    QString plain = text.trimmed();
    plain.remove(u'%');
    plain.remove(u'_');
    return plain;
}

}  // namespace

QString BirthPlace::label() const
{
    QString where = province;
    if (!city.isEmpty() && city != name && city != province) where += u' ' + city;
    if (where.isEmpty() || where == name) return name;
    return name + u'（' + where + u'）';
}

QList<BirthPlace> SearchBirthPlacesReported(const QString& text, int limit)
{
    const QString plain = withoutWildcards(text);
    if (plain.isEmpty() || limit <= 0) return {};
    Query q(Db::Tgcode);
    q.open(QStringLiteral("select ") + kColumns
               + QStringLiteral(" from places where name like '%' || ?1 || '%'"
                                " or pinyin like ?2 || '%' or initials like ?2 || '%'")
               + kOrder + QStringLiteral(" limit ?3"),
           plain, plain.toLower(), limit);
    return readPlaces(q);
}

QList<BirthPlace> SearchBirthPlaces(const QString& text, int limit)
{
    return quietLookup(QList<BirthPlace>(), [&] { return SearchBirthPlacesReported(text, limit); });
}

std::optional<BirthPlace> FindBirthPlace(const QString& text)
{
    const QString wanted = text.trimmed();
    if (wanted.isEmpty()) return std::nullopt;
    const qsizetype open = wanted.indexOf(u'（');
    const QString name = open > 0 ? wanted.left(open) : wanted;
    const QList<BirthPlace> exact = quietLookup(QList<BirthPlace>(), [&] {
        Query q(Db::Tgcode);
        q.open(QStringLiteral("select ") + kColumns + QStringLiteral(" from places where name = ?1") + kOrder, name);
        return readPlaces(q);
    });
    for (const BirthPlace& place : exact)
        if (place.label() == wanted) return place;
    if (!exact.isEmpty() && open < 0) return exact.first();
    if (open > 0) return std::nullopt;
    const QList<BirthPlace> found = SearchBirthPlaces(wanted, 1);
    if (found.isEmpty()) return std::nullopt;
    return found.first();
}

Expected<std::optional<BirthLongitude>, QString> BirthLongitudeOf(const QString& place, const QString& longitude)
{
    const QString placeText = place.trimmed(), longitudeText = longitude.trimmed();
    if (placeText.isEmpty() && longitudeText.isEmpty()) return std::optional<BirthLongitude>();
    const std::optional<BirthPlace> found = placeText.isEmpty() ? std::nullopt : FindBirthPlace(placeText);
    BirthLongitude where;
    where.placeName = found ? found->name : placeText;
    if (!longitudeText.isEmpty()) {
        bool ok = false;
        where.longitude = longitudeText.toDouble(&ok);
        if (!ok || !std::isfinite(where.longitude) || where.longitude < -180 || where.longitude > 180)
            return unexpected(QStringLiteral("经度应为-180到180之间的数字!"));
        return std::optional<BirthLongitude>(where);
    }
    if (!found) return unexpected(QStringLiteral("找不到出生地：") + placeText + QStringLiteral("，请从列表中选择或填写经度!"));
    where.longitude = found->longitude;
    return std::optional<BirthLongitude>(where);
}

QString LongitudeText(double longitude)
{
    return QString::number(std::abs(longitude), 'f', 2) + (longitude < 0 ? QStringLiteral("°W") : QStringLiteral("°E"));
}
