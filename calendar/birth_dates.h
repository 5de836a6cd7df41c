// Turning the date boxes of a birth row into the solar date the reports work on, and the lunar texts
// they print. A lunar entry is converted first; from then on everything works on the solar date.
#pragma once

#include "data/birth_info.h"
#include "data/expected.h"

#include <QDate>
#include <QString>

struct BirthDates {
    QDate solar;                // invalid when an entered lunar date does not exist
    QString year, month, day;   // the solar parts as printed: 1984, 02, 04
    QString lunarText;          // 甲子(鼠年)一月初一; empty when there is no lunar date
    QString zodiac;             // 鼠; empty when there is none
    QString constellation;
    bool lunarMissing = false;  // the entered lunar date does not exist
    int lunarYear = 0, lunarMonth = 0, lunarDay = 0;
    bool lunarLeap = false;
};

// Reads the year, month and day boxes of info as solar or lunar. The error is the message shown when
// a box is no number or the solar date does not exist.
Expected<BirthDates, QString> readBirthDates(const BirthInfo& info);

// The text after the blank of an hour item, as the reports print it ("午 12" gives "12").
QString hourNumberText(const QString& hourItem);
