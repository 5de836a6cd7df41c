#include "name_score.h"

#include "data/char_dictionary.h"
#include "data/failure.h"
#include "data/query.h"
#include "numerology/five_grids.h"
#include "numerology/luck_numbers.h"


double ThreeTalentScore(const QString& title)  // silent abandon when KelFile.dll cannot be read
{
    return abandonOnFailure([&] {
        Query q(Db::KelFile);
        q.open("select djc from sancai where title = ?", title);
        return q.isEmpty() ? -1.0 : gradeScore(q.field(0).asInt());
    });
}

QString NumberText(int n, NumberField field)  // silent abandon when KelFile.dll cannot be read
{
    static const char* const kColumns[] = {"yy", "jx", "as", "content"};
    return abandonOnFailure([&] {
        Query q(Db::KelFile);
        q.open(R"(select * from "81" where num = ?)", n);
        if (q.isEmpty()) return QStringLiteral(" ");
        const int column = int(field);
        return column >= 0 && column < 4 ? q.field(kColumns[column]).asText() : QString();
    });
}

namespace {

int storedScore(int b11, int b12, int b21, int b22)  // quiet lookup: 0 sends the score down the computed path
{
    return quietLookup(0, [&] {
        Query q(Db::Velmora);
        return q.scalarInt("select zf from zh where bh11 = ? and bh12 = ? and bh21 = ? and bh22 = ? limit 1", b11,
                           b12, b21, b22);
    });
}

}  // namespace

int CombinationScore(const QString& x1, const QString& x2, const QString& m1, const QString& m2)
{
    auto strokes = [](const QString& ch) { return ch.isEmpty() ? 0 : CharStrokes(ch); };
    return storedScore(strokes(x1), strokes(x2), strokes(m1), strokes(m2));
}

double NameScore(const QString& surname, const QString& givenName)
{
    // The pattern is read from the same counts as the grids, so that a long part (its rest summed)
    // finds the stored score of the grids it is shown with.
    const NameStrokes s = nameStrokes(surname, givenName);
    const FiveGrids g = FiveGridsOf(s);
    const int stored = storedScore(s.x1, s.x2, s.m1, s.m2);
    if (stored != 0) return stored;
    return computedNameScore(g, ThreeTalentScore(ThreeTalentTitle(g.tian, g.ren, g.di)));
}

double computedNameScore(const FiveGrids& g, double threeTalentScore)
{
    // Every term is a multiple of 0.5, so the sum is exact.
    return GridScore(g.tian, GridKind::Tian) + GridScore(g.di, GridKind::Di) + GridScore(g.ren, GridKind::Ren) +
           GridScore(g.zong, GridKind::Zong) + GridScore(g.wai, GridKind::Wai) + threeTalentScore;
}

std::optional<ThreeTalentReading> threeTalentReading(const QString& title)  // reported failure
{
    Query q(Db::KelFile);
    q.open("select * from sancai2009 where title = ? limit 1", title);
    if (q.isEmpty()) return std::nullopt;
    auto col = [&](const char* name) { return q.field(name).asText().trimmed(); };
    return ThreeTalentReading{col("yy"), col("jcy"), col("jx1"), col("cgy"), col("jx2"), col("rjgx"), col("jx3"), col("xg")};
}
