#include "festivals.h"

namespace {

struct DatedFestival {
    int month, day;
    const char16_t* name;
};

constexpr DatedFestival kLunarFestivals[] = {
    {1, 1, u"春节"}, {1, 15, u"元宵节"}, {5, 5, u"端午节"}, {7, 7, u"七夕节"},
    {8, 15, u"中秋节"}, {9, 9, u"重阳节"}, {12, 8, u"腊八节"},
};

constexpr DatedFestival kSolarFestivals[] = {
    {1, 1, u"元旦节"}, {2, 14, u"情人节"}, {3, 8, u"妇女节"}, {4, 1, u"愚人节"}, {5, 1, u"劳动节"},
    {5, 4, u"青年节"}, {6, 1, u"儿童节"}, {7, 1, u"建党节"}, {8, 1, u"建军节"}, {9, 10, u"教师节"},
    {10, 1, u"国庆节"}, {10, 6, u"老人节"}, {10, 31, u"万圣节"}, {11, 8, u"记者日"}, {12, 25, u"圣诞节"},
};

// A weekday (Qt: 1 Monday … 7 Sunday) in week w (0-based, days 7w + 1 … 7w + 7) of a month.
struct WeekdayFestival {
    int month, week, weekday;
    const char16_t* name;
};

constexpr WeekdayFestival kWeekdayFestivals[] = {
    {5, 1, Qt::Sunday, u"母亲节"}, {6, 2, Qt::Sunday, u"父亲节"}, {11, 3, Qt::Thursday, u"感恩节"},
};

}  // namespace

QString LunarFestivalName(int month, int day, bool leap, bool lastDayOfYear)
{
    if (leap) return QString();
    if (lastDayOfYear) return QStringLiteral("除夕");
    for (const DatedFestival& f : kLunarFestivals)
        if (f.month == month && f.day == day) return QString::fromUtf16(f.name);
    return QString();
}

QString SolarFestivalName(const QDate& date)
{
    if (!date.isValid()) return QString();
    for (const DatedFestival& f : kSolarFestivals)
        if (f.month == date.month() && f.day == date.day()) return QString::fromUtf16(f.name);
    const int week = (date.day() - 1) / 7;
    for (const WeekdayFestival& f : kWeekdayFestivals)
        if (f.month == date.month() && f.week == week && f.weekday == date.dayOfWeek()) return QString::fromUtf16(f.name);
    return QString();
}
