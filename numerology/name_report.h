// The report of the name analysis window: birth data, the overall score, the readings of the five
// grids, the three-talent texts and the hints of the grid numbers.
#pragma once

#include "data/birth_info.h"
#include "data/report.h"

#include <QDate>
#include <QString>

struct NameReportInput {
    QString surname, givenName;
    BirthInfo birth;
};

// The report lines, or the first validation or date message. Today's date gives the age.
Report buildNameReport(const NameReportInput& in, const QDate& today);

// The file name proposed when a report is saved: the name itself, or "*.txt" when it holds a
// character a file name cannot carry.
QString proposedReportFileName(const QString& name);
