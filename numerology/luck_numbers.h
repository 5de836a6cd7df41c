// Judging the grid numbers: the element of a number by its last digit, its luck class, the weighted
// score of a grid and the three-talent title (三才) of a name.
#pragma once

#include "numerology/five_grids.h"

#include <QString>

enum class Luck { None, Lucky, Mixed, Unlucky };

// 1-2 wood, 3-4 fire, 5-6 earth, 7-8 metal, 9-0 water.
QString NumberElement(int n);

// Every number 1 … 81 belongs to exactly one class; 0 and numbers above 81 to none.
Luck NumberClass(int n);

// The weight of the number's class for the grid kind: 10 / 8.5 / 7 for 天格, 地格 and 外格, 30 / 25.5 / 21
// for 人格, 20 / 17 / 14 for 总格; 0 for a number in no class.
double GridScore(int n, GridKind kind);

// Element of 天格, 人格 and 地格 joined, e.g. 金水木.
QString ThreeTalentTitle(int tian, int ren, int di);

// The score of a three-talent grade: 1 → 20 … 7 → 12; anything else −1.
double gradeScore(int djc);

// The shortest decimal form of a score: 92, 88.5.
QString formatScore(double score);
