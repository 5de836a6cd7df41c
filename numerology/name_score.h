// Lookups that turn a name into judgement, and the overall score (综合评分) of a name.
//
// Failure conventions: ThreeTalentScore and NumberText end the user action silently when KelFile.dll
// cannot be read (they throw ActionAbandoned); CombinationScore is quiet (0 on any failure);
// threeTalentReading is a reported failure (a DbError reaches the caller).
#pragma once

#include "numerology/five_grids.h"

#include <QString>
#include <optional>

// The grade score of a three-talent title from table sancai; −1 when the title has no row.
double ThreeTalentScore(const QString& title);

// The columns yy, jx, as and content of a number's row, by their codes.
enum class NumberField { Reading = 0, LuckWord = 1, Hint = 2, LongText = 3 };
// The text of a number in that column, untrimmed; a single blank when the number has no row.
QString NumberText(int n, NumberField field);

// The stored score zf of a stroke pattern; 0 when the pattern is not stored or on any failure.
// Empty characters count 0 strokes.
int CombinationScore(const QString& x1, const QString& x2, const QString& m1, const QString& m2);

// The computed score: the five weighted grid scores plus the three-talent score, added in order.
double computedNameScore(const FiveGrids& grids, double threeTalentScore);

// The score of a name: the stored score of its stroke pattern when there is one (not 0), otherwise
// the weighted grid scores plus the three-talent score.
double NameScore(const QString& surname, const QString& givenName);

// The sancai2009 row of a title, each column trimmed; nothing when the title has no row.
struct ThreeTalentReading {
    QString yy, jcy, jx1, cgy, jx2, rjgx, jx3, xg;
};
std::optional<ThreeTalentReading> threeTalentReading(const QString& title);
