// The mean solar-term clock used for the start age of the luck cycles: every term advances by one
// fixed tropical year per year from an epoch in 1900. It can be a day or two off the true term
// (see solar_terms.h), and it stays as it is because the printed start ages depend on it.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// Minutes after 小寒 at which term 0 … 23 falls in the mean year; 0 outside 0 … 23.
int TermMinutes(int index);

// 1900-01-06 02:05 plus (year − 1900) × 31556925974.7 ms plus TermMinutes(index) minutes, to the
// nearest millisecond; a Beijing wall-clock moment.
QDateTime SolarTermMoment(int year, int index);

// The term whose SolarTermMoment falls on the date: the first term of the date's month
// (index 2m − 2) is tried before the second (2m − 1); empty text when neither falls on it.
QString SolarTermOfDate(const QDate& date);
