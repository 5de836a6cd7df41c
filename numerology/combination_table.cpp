#include "combination_table.h"

#include "numerology/element_relations.h"
#include "numerology/luck_numbers.h"
#include "numerology/name_score.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace {

int support(const QString& personElement, int grid)
{
    switch (relationOf(NumberElement(grid), personElement)) {
    case ElementRelation::Same:
    case ElementRelation::Generates: return 1;
    case ElementRelation::Overcomes: return -1;
    default: return 0;
    }
}

}  // namespace

int storedScoreFormula(const FiveGrids& g, int djc)
{
    const QString person = NumberElement(g.ren);
    const double raw = computedNameScore(g, gradeScore(djc)) + support(person, g.di) + support(person, g.zong);
    return std::clamp(int(std::floor(raw + 0.5)), 1, 100);
}

int luckOrderKey(const FiveGrids& g)
{
    int lucky = 0, unlucky = 0;
    for (int n : {g.ren, g.di, g.zong, g.wai}) {
        lucky += NumberClass(n) == Luck::Lucky;
        unlucky += NumberClass(n) == Luck::Unlucky;
    }
    if (lucky == 4) return 1;
    if (unlucky == 0) return 2;
    return unlucky == 1 ? 3 : 4;
}

QString gridsText(const FiveGrids& g)
{
    return QStringLiteral("%1-%2-%3-%4-%5").arg(g.tian).arg(g.ren).arg(g.di).arg(g.zong).arg(g.wai);
}

std::vector<CombinationRow> combinationRows(int maxSingleSurnameStrokes,
                                            const std::vector<std::pair<int, int>>& compoundSurnameStrokes,
                                            const GradeOf& gradeOf)
{
    std::vector<CombinationRow> rows;
    auto add = [&](int lx, int x1, int x2, int m1, int m2) {
        const NameStrokes s{x1, x2, m1, m2, lx >= 21, lx % 10 == 2};
        const FiveGrids g = FiveGridsOf(s);
        const QString title = ThreeTalentTitle(g.tian, g.ren, g.di);
        rows.push_back({lx, x1, x2, m1, m2, storedScoreFormula(g, gradeOf(title)), luckOrderKey(g), gridsText(g), title});
    };
    auto addGivenNames = [&](int kindSingle, int x1, int x2) {
        for (int m1 = 1; m1 <= kMaxGivenStrokes; ++m1) add(kindSingle, x1, x2, m1, 0);
        for (int m1 = 1; m1 <= kMaxGivenStrokes; ++m1)
            for (int m2 = 1; m2 <= kMaxGivenStrokes; ++m2) add(kindSingle + 1, x1, x2, m1, m2);
    };
    for (int x1 = 1; x1 <= maxSingleSurnameStrokes; ++x1) addGivenNames(11, x1, 0);
    const std::set<std::pair<int, int>> pairs(compoundSurnameStrokes.begin(), compoundSurnameStrokes.end());
    for (const auto& [x1, x2] : pairs) addGivenNames(21, x1, x2);
    return rows;
}
