// The festivals that the calendar window and the almanac name: eight lunar ones by month and day,
// and the solar ones by date or by the weekday of a given week of the month.
#pragma once

#include <QDate>
#include <QString>

// 春节 正月初一, 元宵节 正月十五, 端午节 五月初五, 七夕节 七月初七, 中秋节 八月十五, 重阳节 九月初九,
// 腊八节 腊月初八, and 除夕 on the last day of the lunar year (lastDayOfYear). A leap month has none.
QString LunarFestivalName(int month, int day, bool leap, bool lastDayOfYear);

// 元旦节 … 圣诞节; 母亲节 on the second Sunday of May, 父亲节 on the third Sunday of June, 感恩节 on the
// fourth Thursday of November. Empty text for other days and for an invalid date.
QString SolarFestivalName(const QDate& date);
