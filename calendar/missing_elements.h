// The five elements a child's four pillars lack: the preference that the naming pages apply when a
// parent asks for names matched to the chart.
#pragma once

#include "bazi_chart.h"

#include "data/birth_info.h"
#include "data/expected.h"

#include <QString>

// Each of 金 木 水 火 土, in that order, that no character of elementText carries.
QString ElementsNotIn(const QString& elementText);

// The elements that none of the chart's eight characters carries (their HzwhElement texts).
QString MissingElementsOf(const BaziChart& chart);

// Casts the chart of a birth row, on the true solar time when it names a place or a longitude, with
// its school of the 子 hour. A lunar date is taken in its normal (not leap) month and converted
// first. The error is the message to show: "请选择出生年!" (and the like) for an empty box,
// BaziInputMessage() for a box that is no number or a date that does not exist, and the messages
// of BirthLongitudeOf for a place or longitude that cannot be used.
Expected<BaziChart, QString> CastBirthChart(const BirthInfo& birth);

// Casts the chart of a birth row and gives the elements it lacks: "" when all five occur.
// The errors are those of CastBirthChart.
Expected<QString, QString> ComputeMissingElements(const BirthInfo& birth);
