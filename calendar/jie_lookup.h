// Questions put to the solar-term table JQ of Tgcode.dll about the month-opening terms (节). Both
// are quiet lookups: an unreadable file or table answers as if the table had no matching row.
// A moment's date and time of day are read as Beijing wall-clock time, whatever zone it carries,
// because that is how the birth forms and the table's SJ column are written.
#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

// True only when the table has a 节 of year Y on the birth moment's calendar day and the moment
// comes before that term's time.
bool BornBeforeJieMoment(int year, const QDateTime& moment);

struct JieMoment {
    QString name;     // 立春 … 小寒
    int yearA = 0;    // the table's YearA: the calendar year of the moment
    QDateTime moment; // Beijing time
};

// The latest 节 of the table at or before the moment, looked for among the terms of the moment's
// calendar year and the year before. Nothing when the table cannot be read or holds no such row.
std::optional<JieMoment> LatestJieAtOrBefore(const QDateTime& moment);
