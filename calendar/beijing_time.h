// Moments of the calendar are wall-clock times in Beijing (UTC+8, no daylight saving), the time
// in which the solar-term table and the birth forms are written.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <QTimeZone>

QTimeZone BeijingTimeZone();

// A Beijing wall-clock moment.
QDateTime BeijingMoment(const QDate& date, const QTime& time);

// 'yyyy-MM-dd hh:mm:ss' in Beijing time, the form of the table's SJ column; text of this form
// sorts in time order.
QString MomentText(const QDateTime& moment);
// The reverse; an invalid QDateTime when the text is not of that form.
QDateTime MomentFromText(const QString& text);
