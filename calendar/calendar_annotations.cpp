#include "calendar_annotations.h"

#include "calendar_year_info.h"
#include "festivals.h"
#include "ganzhi.h"
#include "solar_term_names.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr char16_t kMonthNames[] = u"正二三四五六七八九十冬腊";

bool inTables(const QDate& date)
{
    return date.isValid() && date.year() >= kCalendarFirstYear && date.year() <= kCalendarLastYear;
}

struct SignSplit {
    int lastDayOfFirst;
    const char16_t* first;
    const char16_t* second;
};

constexpr SignSplit kSignSplits[12] = {
    {19, u"摩羯座", u"水瓶座"}, {18, u"水瓶座", u"双鱼座"}, {20, u"双鱼座", u"白羊座"}, {19, u"白羊座", u"金牛座"},
    {20, u"金牛座", u"双子座"}, {21, u"双子座", u"巨蟹座"}, {22, u"巨蟹座", u"狮子座"}, {22, u"狮子座", u"处女座"},
    {22, u"处女座", u"天秤座"}, {23, u"天秤座", u"天蝎座"}, {21, u"天蝎座", u"射手座"}, {21, u"射手座", u"摩羯座"},
};

}  // namespace

QString CalendarMonthName(int month)
{
    if (month < 1 || month > 12) return QString();
    return QString(QChar(kMonthNames[month - 1]));
}

QString CalendarDayName(int day)
{
    if (day < 1 || day > 30) return QString();
    if (day == 10) return QStringLiteral("初十");
    if (day == 20) return QStringLiteral("二十");
    if (day == 30) return QStringLiteral("三十");
    static const QString kTens[] = {QStringLiteral("初"), QStringLiteral("十"), QStringLiteral("廿")};
    return kTens[day / 10] + NumeralText(day % 10);
}

QString CalendarAnimalName(int position) { return BranchText(position) + AnimalText(position); }

QString CalendarMonthText(const QDate& date)
{
    const int month = CalendarLunarCode(date) / 100;
    if (month > 0) return CalendarMonthName(month) + QStringLiteral("月");
    if (month < 0) return QStringLiteral("闰") + CalendarMonthName(-month);
    return QString();
}

QString CalendarDayText(const QDate& date) { return CalendarDayName(std::abs(CalendarLunarCode(date)) % 100); }

QString LunarFestivalOf(const QDate& date)
{
    const int code = CalendarLunarCode(date);
    if (code == 0) return QString();
    // The day after 2050-12-31 has no code and so never makes that day 除夕.
    const int nextMonth = CalendarLunarCode(date.addDays(1)) / 100;
    return LunarFestivalName(code / 100, std::abs(code) % 100, code < 0, nextMonth == 1 && code / 100 != 1);
}

QString SolarFestivalOf(int day, const QDate& date)
{
    if (!date.isValid()) return QString();
    return SolarFestivalName(QDate(date.year(), date.month(), day));
}

QString TermNameOf(const QDate& date)
{
    if (!inTables(date)) return QString();
    const int byte = CalendarTermDays[(date.year() - kCalendarFirstYear) * 12 + date.month() - 1];
    const int first = 15 - (byte >> 4), second = 15 + (byte & 0x0F);
    if (date.day() < 15 && date.day() == first) return SolarTermName(2 * date.month() - 2);
    if (date.day() >= 15 && date.day() == second) return SolarTermName(2 * date.month() - 1);
    return QString();
}

QString ZodiacOfDate(const QDate& date)
{
    if (!inTables(date)) return QString();
    int position = date.year() - 1972;  // 1972 is a 子鼠 year
    const QString month = CalendarMonthText(date);
    if (date.month() <= 9 && (month.contains(u'腊') || month.contains(u'冬'))) --position;
    return CalendarAnimalName(wrapIndex(position, kBranchCount));
}

QString SignOfDay(int day, const QDate& date)
{
    if (!date.isValid()) return QString();
    const SignSplit& split = kSignSplits[date.month() - 1];
    return QString::fromUtf16(day <= split.lastDayOfFirst ? split.first : split.second);
}

int DaysInMonth(const QDate& date) { return date.daysInMonth(); }

QDate ClampedDate(int year, int month, int day)
{
    const QDate first(year, month, 1);
    if (!first.isValid()) return QDate();
    return QDate(year, month, std::clamp(day, 1, first.daysInMonth()));
}
