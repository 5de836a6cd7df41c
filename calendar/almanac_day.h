// The almanac entry of one day (黄历): the day's pillars counted by whole days (a day on which a 节
// falls belongs to the month it opens, the 立春 day to the new year), its 建除 officer and the
// twelve yellow- and black-path gods, the clash, and the traditional rules of AlmanacRules.
#pragma once

#include "almanac_rules.h"
#include "lunar_calendar.h"

#include <QDate>
#include <QString>
#include <array>
#include <map>

// The twelve officers 建 除 满 平 定 执 破 危 成 收 开 闭: 建 on the day whose branch is the month's.
int DayOfficer(int monthBranch, int dayBranch);
QString OfficerName(int officer);

// The twelve gods 青龙 明堂 天刑 朱雀 金匮 天德 白虎 玉堂 天牢 玄武 司命 勾陈: 青龙 falls on the 子 day
// in the 寅 and 申 months and two branches later in each next pair of months.
int DayGod(int monthBranch, int dayBranch);
QString DayGodName(int god);
// 青龙 明堂 金匮 天德 玉堂 司命 make a yellow-path (黄道) day, the other six a black-path (黑道) day.
bool IsYellowPathGod(int god);

// The lunar date the almanac prints: the calendar window's table for 1901 … 2050, the birth forms'
// table outside it, and 己亥年腊月 for 1 … 30 January 1900, which precede the birth forms' table.
LunarDate AlmanacLunarDate(const QDate& date);

// The three pillars of a day as sexagenary numbers (甲子 = 0).
struct DayPillars {
    int year = 0;
    int month = 0;
    int day = 0;
};

// The columns of one row of the almanac table.
struct AlmanacEntry {
    QString nn;      // one-line summary: lunar date, weekday, festivals and term, the god, the officer
    QString suici;   // 甲辰年 丙寅月 甲子日
    QString wuhang;  // the day's nayin and officer: 海中金 建执位
    QString cong;    // (戊午)马 煞南
    QString pzbj;    // the two Pengzu taboos
    QString tszf;    // the fetus god's place
    QString jsyq, xsyq, yi, ji;
};

// Computes the entries of any days 1900 … 2100, keeping the solar terms of each year it has met,
// so that walking day by day costs one term computation per year.
class AlmanacCalendar {
public:
    explicit AlmanacCalendar(const AlmanacRules& rules) : rules_(rules) {}

    DayPillars pillarsOf(const QDate& date);
    // The term that falls on the date, else empty text.
    QString termOf(const QDate& date);
    AlmanacEntry entryOf(const QDate& date);

private:
    const std::array<QDate, 24>& termDates(int year);

    const AlmanacRules& rules_;
    std::map<int, std::array<QDate, 24>> terms_;
};
