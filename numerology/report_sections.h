// What both name reports share: the check of their inputs and the three sections they print, the
// readings of the five grids, the three-talent texts and the hints of the five grid numbers.
#pragma once

#include "data/birth_info.h"
#include "numerology/five_grids.h"

#include <QString>
#include <QStringList>

// The first missing input of a name report, in the order the name pages check them; empty when
// nothing is missing.
QString missingNameInput(const QString& surname, const QString& givenName, const BirthInfo& birth);

inline const QString kNameSeparator =
    QStringLiteral("<-----------------------名字分析内容分隔线----------------------------->");

// Each section appends its lines to out one by one, so that a failure part-way keeps the lines before it.

// Separator, then heading and reading (yy directly followed by jx) of 天格, 人格, 地格, 总格, 外格.
// Ends the action silently (ActionAbandoned) when KelFile.dll cannot be read.
void appendGridReadings(QStringList& out, const FiveGrids& grids);

// Nothing at all when sancai2009 has no row for the title. A failure to read is reported (DbError).
void appendThreeTalentSection(QStringList& out, const QString& title);

// Separator, then for each grid its hint heading and the as text of its number.
void appendGridHints(QStringList& out, const FiveGrids& grids);
