// What follows from the cast pillars: the conception pillar, the direction and start of the luck
// cycles, the ten luck pillars and the branch whose hidden stems stand for the year.
#pragma once

#include "pillar.h"

#include "data/sex.h"

#include <QDate>
#include <QString>
#include <array>

// Backwards for a male born in a yin-stem year and for a female born in a yang-stem year.
bool LuckRunsBackward(Sex sex, int yearStem);

// Days from the birth date to the nearest 节 of the mean-term clock (SolarTermOfDate) in the
// direction of the luck: 1 … 32, or 0 when none lies within 32 days.
int DaysToJie(const QDate& birth, bool backward);

// ceil(days / 3), never above 10: a 节 31 or 32 days away starts the luck at ten, not at eleven.
// No 节 found (0) also counts as ten. Always 1 … 10.
int StartAgeFor(int daysToJie);

// The month pillar and the nine that follow it (or precede it, when backwards).
std::array<Pillar, 10> LuckPillarsFor(Pillar month, bool backward);
// Their texts joined by three blanks: 丙寅   丁卯   …   乙亥.
QString LuckPillarsTextOf(const std::array<Pillar, 10>& pillars);

// The conception pillar (胎元): the stem after the month stem, the branch three after the month
// branch.
Pillar ConceptionOf(Pillar month);

// The branch (L − 1924) mod 12, where L is the lunar year of the first 节 day of the mean-term
// clock after the birth date (within 32 days; the birth date's own lunar year when none is).
int HiddenYearBranch(const QDate& birth);
