// The almanac window's work: checking the chosen date, reading its row of the table huangdao in
// KelBirth.dll and laying the row out as the summary label and the 17 lines of the result pane.
#pragma once

#include "data/expected.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

struct AlmanacRequest {
    QString text;  // year-month-day as the boxes give it ("2008-01-05"); the summary label starts with it
    QDate date;
};

// The trimmed year, month and day texts in, the request out; or the message to show:
// "请选择年!", "请选择月!", "请选择日!" for an empty box, "请选择有效的日期!" for a day that does not exist.
Expected<AlmanacRequest, QString> CheckAlmanacDate(const QString& year, const QString& month, const QString& day);

struct AlmanacPage {
    QString label;      // the date text, two blanks and the day's summary
    QStringList lines;  // 岁次: … 忌: with an empty line between each two: 17 lines
};

// A reported failure: throws DbError when the file cannot be read. Nothing when the table has no
// row for the date.
std::optional<AlmanacPage> LookupAlmanac(const AlmanacRequest& request);

// The glossary of almanac terms shown below the result, one line per term ("嫁娶 ：…"); two long
// explanations continue on a second line.
QStringList AlmanacGlossary();
