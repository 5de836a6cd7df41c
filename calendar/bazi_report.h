// The report of the bazi page: personal data, the four pillars with their readings, the yearly (流年)
// and minor-luck (小运) grids and the bone-weight reading, line by line.
//
// The page shows a report only when it is complete (the page's pane keeps its previous report
// otherwise), so a report abandoned because a bone-weight statement could not run carries no lines.
//
// Dates the lunar calendar cannot serve:
// - An entered lunar date that does not exist (30th of a 29-day month, a month or a lunar year
//   outside 1901 … 2099) has no solar day to cast, so it is refused like an impossible solar day:
//   ReportEnd::DateError with a message that names the date.
// - A solar date outside the lunar table (before 1900-01-31, after 2100-12-31) is cast as usual; its
//   lunar line and zodiac line show their labels only, the yearly grid starts from the year of the
//   year pillar instead of the lunar year, and the bone-weight section keeps its heading but has no
//   lines, because the weights are keyed by the lunar date.
#pragma once

#include "data/birth_info.h"
#include "data/report.h"

#include <QDate>
#include <QString>

struct BaziReportInput {
    QString surname, givenName;
    BirthInfo birth;
};

// The report lines, or the first missing input (Refused: "请选择出生年!" … "请选择出生小时!"), or a
// date, hour or minute that cannot be read (DateError). Today's date gives the age.
Report buildBaziReport(const BaziReportInput& in, const QDate& today);
