#include "five_grids.h"

#include <QList>

#include "data/char_dictionary.h"

#include <tuple>
#include <utility>

int FiveGrids::byKind(GridKind kind) const
{
    switch (kind) {
    case GridKind::Tian: return tian;
    case GridKind::Di: return di;
    case GridKind::Ren: return ren;
    case GridKind::Zong: return zong;
    case GridKind::Wai: return wai;
    }
    return 0;
}

int reduceGridNumber(int n)
{
    if (n <= 80) return n;
    const int r = n % 80;
    return r == 0 ? 80 : r;
}

FiveGrids FiveGridsOf(const NameStrokes& s)
{
    const int tian = s.doubleSurname ? s.x1 + s.x2 : s.x1 + 1;
    const int ren = (s.doubleSurname ? s.x2 : s.x1) + s.m1;
    const int di = s.doubleGiven ? s.m1 + s.m2 : s.m1 + 1;
    const int zong = s.x1 + s.x2 + s.m1 + s.m2;
    int wai = 2;
    if (s.doubleSurname && s.doubleGiven) wai = zong - ren;
    else if (s.doubleSurname || s.doubleGiven) wai = zong - ren + 1;
    return {reduceGridNumber(tian), reduceGridNumber(ren), reduceGridNumber(di), reduceGridNumber(zong),
            reduceGridNumber(wai)};
}

namespace {

// Strokes of the first character and of the rest of a part.
std::pair<int, int> partStrokes(const QString& part)
{
    const QList<uint> chars = part.toUcs4();
    int first = 0, rest = 0;
    for (qsizetype i = 0; i < chars.size(); ++i) {
        const char32_t cp = chars[i];
        const int strokes = CharStrokes(QString::fromUcs4(&cp, 1));
        (i == 0 ? first : rest) += strokes;
    }
    return {first, rest};
}

}  // namespace

NameStrokes nameStrokes(const QString& surname, const QString& givenName)
{
    NameStrokes s;
    s.doubleSurname = surname.toUcs4().size() >= 2;
    s.doubleGiven = givenName.toUcs4().size() >= 2;
    std::tie(s.x1, s.x2) = partStrokes(surname);
    std::tie(s.m1, s.m2) = partStrokes(givenName);
    return s;
}

int GridNumber(const QString& surname, const QString& givenName, GridKind kind)
{
    return FiveGridsOf(surname, givenName).byKind(kind);
}

FiveGrids FiveGridsOf(const QString& surname, const QString& givenName)
{
    return FiveGridsOf(nameStrokes(surname, givenName));
}
