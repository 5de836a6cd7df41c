// The two table lookups of the bazi reading, both on Tgcode.dll and both quiet: no row, or a file
// or table that cannot be read, gives empty text, which the reports print in its place.
#pragma once

#include <QString>

// The ten god of `stem` for the day stem `dayStem` (one character each), from table Shishen.
QString TenGodOf(const QString& dayStem, const QString& stem);

// The nayin of a two-character pillar such as 甲子, from table jiazi.
QString NayinOf(const QString& pillar);
