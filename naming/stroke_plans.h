// The stroke plans of a surname: the stroke combinations of table zh that suit it, one list item each,
// such as 7|8-10(85分) (surname strokes | given-name strokes (combination score)). The first item,
// "电脑全自动", stands for every plan of the list.
#pragma once

#include "naming/naming_options.h"

#include <QString>
#include <QStringList>
#include <optional>

inline const QString kAutomaticPlan = QStringLiteral("电脑全自动");

// The item text of one zh row: S1|G1(Z分), S1|G1-G2(Z分), S1-S2|G1(Z分) or S1-S2|G1-G2(Z分) by kind.
QString formatPlanItem(int kind, int s1, int s2, const QString& g1, const QString& g2, const QString& score);

// "电脑全自动" followed by the plans, best combinations first (order of jxjx, then of the score):
// at most 40 for a one-character given name and 20 for two, or 80 when a fixed character fixes one
// given-name stroke. A surname whose strokes the dictionary lacks gives no plan. A database failure
// throws DbError (reported to the user).
QStringList StrokePlanItems(const StrokePlanOptions& options);

// A plan read back from its item: the given-name strokes and the score text, e.g. 7|8-10(85分) gives
// 8, 10 and "(85分)". For a one-character name g2 is 0. None when the item does not parse.
struct StrokePlan {
    int g1 = 0, g2 = 0;
    QString scoreText;
};
std::optional<StrokePlan> ReadStrokePlan(const QString& item, NameLength length);
