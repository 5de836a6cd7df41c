// The calendar window's own tables and the day annotations read from them.
#include "calendar/calendar_annotations.h"
#include "calendar/calendar_year_info.h"
#include "calendar/lunar_calendar.h"
#include "calendar/solar_terms.h"

#include "tests/support/qt_printers.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

int birthFormCode(const QDate& date)
{
    const LunarDate l = SolarToLunar(date);
    const int code = l.Month * 100 + l.Day;
    return l.IsLeap ? -code : code;
}

// The months in which the birth forms' table is a day off the astronomical calendar.
bool inBirthTableErrors(const QDate& d)
{
    return (d >= QDate(1906, 4, 23) && d <= QDate(1906, 5, 22)) || (d >= QDate(1914, 11, 17) && d <= QDate(1914, 12, 16));
}

}  // namespace

TEST(CalendarTables, EveryDayAgreesWithTheBirthFormsCalendarOutsideItsTwoFaultyMonths)
{
    int faultyDays = 0;
    for (QDate d(1901, 1, 1); d <= QDate(2050, 12, 31); d = d.addDays(1)) {
        if (inBirthTableErrors(d)) {
            ++faultyDays;
            EXPECT_NE(CalendarLunarCode(d), birthFormCode(d)) << d.toString(Qt::ISODate).toStdString();
            continue;
        }
        ASSERT_EQ(CalendarLunarCode(d), birthFormCode(d)) << d.toString(Qt::ISODate).toStdString();
    }
    EXPECT_EQ(faultyDays, 30 + 30);
}

TEST(CalendarTables, MendedMonthsOf1989And2013)
{
    const struct { QDate date; int code; const char* why; } cases[] = {
        {QDate(1989, 8, 1), 630, "the sixth month of 1989 has 30 days"},
        {QDate(1989, 8, 2), 701, ""},
        {QDate(1989, 8, 30), 729, "and the seventh 29"},
        {QDate(1989, 8, 31), 801, ""},
        {QDate(2013, 6, 7), 429, "the fourth month of 2013 has 29 days"},
        {QDate(2013, 6, 8), 501, ""},
        {QDate(2013, 7, 7), 530, "and the fifth 30"},
        {QDate(2013, 7, 8), 601, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(CalendarLunarCode(c.date), c.code) << c.date.toString(Qt::ISODate).toStdString();
}

TEST(CalendarTables, TermDaysEqualTheEngine)
{
    for (int year = kCalendarFirstYear; year <= kCalendarLastYear; ++year) {
        QString row;
        bool same = true;
        for (int month = 1; month <= 12; ++month) {
            const int first = AstronomicalTermDate(year, 2 * month - 2).day();
            const int second = AstronomicalTermDate(year, 2 * month - 1).day();
            const int byte = (15 - first) << 4 | (second - 15);
            same = same && CalendarTermDays[(year - kCalendarFirstYear) * 12 + month - 1] == byte;
            row += QStringLiteral("0x%1, ").arg(byte, 2, 16, QLatin1Char('0')).toUpper().replace("0X", "0x");
        }
        EXPECT_TRUE(same) << "row for " << year << ": " << row.toStdString();
    }
}

TEST(CalendarAnnotations, LunarMonthAndDayTexts)
{
    const struct { QDate date; int code; const char* month; const char* day; } cases[] = {
        {QDate(1901, 1, 1), 1111, "冬月", "十一"},  // the first entry, 0B52BA00
        {QDate(1901, 2, 19), 101, "正月", "初一"},
        {QDate(2023, 3, 21), 230, "二月", "三十"},
        {QDate(2023, 3, 22), -201, "闰二", "初一"},
        {QDate(2024, 2, 9), 1230, "腊月", "三十"},
        {QDate(2034, 1, 1), -1111, "闰冬", "十一"},  // 2033's leap eleventh month runs into 2034
        {QDate(2050, 12, 31), 1118, "冬月", "十八"},
        {QDate(1900, 12, 31), 0, "", ""},  // outside the tables
        {QDate(2051, 1, 1), 0, "", ""},
        {QDate(), 0, "", ""},
    };
    for (const auto& c : cases) {
        const std::string at = c.date.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(CalendarLunarCode(c.date), c.code) << at;
        EXPECT_EQ(CalendarMonthText(c.date), QString::fromUtf8(c.month)) << at;
        EXPECT_EQ(CalendarDayText(c.date), QString::fromUtf8(c.day)) << at;
    }
}

TEST(CalendarAnnotations, FestivalsTermsZodiacAndSigns)
{
    const struct { QDate date; const char* lunarFestival; const char* solarFestival; const char* term; const char* zodiac; } cases[] = {
        {QDate(1901, 2, 18), "除夕", "", "", "子鼠"},
        {QDate(1901, 2, 19), "春节", "", "雨水", "丑牛"},
        {QDate(2024, 1, 6), "", "", "小寒", "卯兔"},
        {QDate(2024, 1, 7), "", "", "", "卯兔"},
        {QDate(2024, 2, 4), "", "", "立春", "卯兔"},
        {QDate(2024, 2, 9), "除夕", "", "", "卯兔"},
        {QDate(2024, 2, 10), "春节", "", "", "辰龙"},
        {QDate(2024, 2, 14), "", "情人节", "", "辰龙"},
        {QDate(2024, 5, 12), "", "母亲节", "", "辰龙"},
        {QDate(2024, 5, 5), "", "", "立夏", "辰龙"},  // the first Sunday of May is not 母亲节
        {QDate(2024, 6, 16), "", "父亲节", "", "辰龙"},
        {QDate(2024, 10, 1), "", "国庆节", "", "辰龙"},
        {QDate(2024, 11, 28), "", "感恩节", "", "辰龙"},
        {QDate(2024, 12, 21), "", "", "冬至", "辰龙"},
        {QDate(2024, 12, 31), "", "", "", "辰龙"},  // 腊月 in December keeps the year's own animal
        {QDate(2023, 4, 20), "", "", "谷雨", "卯兔"},
        {QDate(2050, 9, 7), "", "", "白露", "午马"},  // about 18:00 Beijing time
        {QDate(2023, 3, 22), "", "", "", "卯兔"},   // a leap month's first day is no festival
        {QDate(2050, 12, 31), "", "", "", "午马"},  // no 除夕: the next day lies outside the tables
        {QDate(2051, 1, 1), "", "元旦节", "", ""},
    };
    for (const auto& c : cases) {
        const std::string at = c.date.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(LunarFestivalOf(c.date), QString::fromUtf8(c.lunarFestival)) << at;
        EXPECT_EQ(SolarFestivalOf(c.date.day(), c.date), QString::fromUtf8(c.solarFestival)) << at;
        EXPECT_EQ(TermNameOf(c.date), QString::fromUtf8(c.term)) << at;
        EXPECT_EQ(ZodiacOfDate(c.date), QString::fromUtf8(c.zodiac)) << at;
    }
}

TEST(CalendarAnnotations, SignsSplitOnTheWindowsOwnDays)
{
    const QDate august(2024, 8, 1), april(2024, 4, 1), december(2024, 12, 1);
    EXPECT_EQ(SignOfDay(22, august), "狮子座");
    EXPECT_EQ(SignOfDay(23, august), "处女座");
    EXPECT_EQ(SignOfDay(19, april), "白羊座");
    EXPECT_EQ(SignOfDay(20, april), "金牛座");  // no trailing blank, unlike the reports' sign
    EXPECT_EQ(SignOfDay(22, december), "摩羯座");
}

TEST(CalendarAnnotations, MonthLengthsAndClampedDates)
{
    EXPECT_EQ(DaysInMonth(QDate(2024, 2, 10)), 29);
    EXPECT_EQ(DaysInMonth(QDate(2023, 2, 10)), 28);
    EXPECT_EQ(ClampedDate(2023, 2, 31), QDate(2023, 2, 28));
    EXPECT_EQ(ClampedDate(2024, 2, 31), QDate(2024, 2, 29));
    EXPECT_EQ(ClampedDate(2024, 6, 31), QDate(2024, 6, 30));
    EXPECT_EQ(ClampedDate(2024, 7, 31), QDate(2024, 7, 31));
    EXPECT_FALSE(ClampedDate(2024, 13, 1).isValid());
}
