// The name compatibility test: the simplified stroke totals of two names, and the relationship
// that the difference of the totals picks.
#pragma once

#include "data/expected.h"

#include <QByteArray>
#include <QString>

// GB2312's hanzi area: rows 0xB0 … 0xF7 of 94 cells (second byte 0xA1 … 0xFE).
inline constexpr int kGb2312HanziCells = 72 * 94;

// The simplified stroke count of cell `index` of the hanzi area, (row − 0xB0) × 94 + (col − 0xA1);
// 0 for the unassigned cells and the radical components.
int SimplifiedStrokeTable(int index);
// The entry of one character, 0 outside the hanzi area.
int simplifiedStrokes(const QString& character);

// Sum of the table over the hanzi of a GBK name; other bytes add nothing.
int StrokeTotal(const QByteArray& gbkName);
int StrokeTotal(const QString& name);

// The relationship text of a stroke difference d ≥ 0.
QString CompatibilityText(int d);

// The test of the window: the text for the two names, or the message when a box is empty.
Expected<QString, QString> compatibilityTest(const QString& manName, const QString& womanName);
