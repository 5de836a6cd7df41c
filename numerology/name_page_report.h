// The report of the detailed name analysis page: birth data, the four-pillar reading, the readings,
// grids and three talents of the name, the overall score and the sections the name window prints.
#pragma once

#include "data/birth_info.h"
#include "data/report.h"

#include <QDate>
#include <QString>

struct NamePageInput {
    QString surname, givenName;  // up to 20 characters each
    BirthInfo birth;
};

// The report lines, or the first validation or date message.
//
// For an entered lunar date that does not exist the date lines say so and the four-pillar lines
// keep their labels with nothing after them: there is no birth moment to cast.
Report buildNamePageReport(const NamePageInput& in, const QDate& today);

// 拼音:李(lǐ)  雅(yǎ)  亮(liàng): the first two characters of each part with their readings.
QString readingLine(const QString& surname, const QString& givenName);
