// The rows of the combination table zh: every stroke pattern a naming search may use, with its
// stored score, ordering key and the short texts of the result lists. Built once at build time.
//
// zf = clamp(round(grids + talent + support), 1, 100), where
//   grids   the five weighted grid scores (at most 80),
//   talent  the grade score of the three-talent title (20 … 12, or −1 without a grade),
//   support +1 for each of 地格 and 总格 whose element generates 人格 or equals it, −1 for each
//           that overcomes it: 人格 is the main luck, 地格 and 总格 the early and late luck that feed
//           or drain it.
// jxjx: 1 when 人格, 地格, 总格 and 外格 are all lucky, 2 when none is unlucky, 3 when one is, 4 else.
#pragma once

#include "numerology/five_grids.h"

#include <QString>
#include <functional>
#include <utility>
#include <vector>

struct CombinationRow {
    int lx, bh11, bh12, bh21, bh22, zf, jxjx;
    QString wg, sc;
};

// The grade (djc 1 … 7) of a title, or 0 when it has none.
using GradeOf = std::function<int(const QString& title)>;

int storedScoreFormula(const FiveGrids& g, int djc);
int luckOrderKey(const FiveGrids& g);
QString gridsText(const FiveGrids& g);  // 8-19-21-28-10

inline constexpr int kMaxGivenStrokes = 30;

// Kinds 11 and 12 for single surnames of 1 … maxSingleSurnameStrokes strokes, kinds 21 and 22 for the
// given compound-surname stroke pairs; given-name strokes 1 … kMaxGivenStrokes.
std::vector<CombinationRow> combinationRows(int maxSingleSurnameStrokes,
                                            const std::vector<std::pair<int, int>>& compoundSurnameStrokes,
                                            const GradeOf& gradeOf);
