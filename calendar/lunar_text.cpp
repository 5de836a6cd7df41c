#include "lunar_text.h"

#include "ganzhi.h"

QString LunarYearText(int cycleIndex)
{
    if (cycleIndex < 0) return QString();
    return StemText(cycleIndex) + BranchText(cycleIndex) + u'(' + AnimalText(cycleIndex) + QStringLiteral("年)");
}

QString LunarMonthText(int month, bool leap)
{
    if (month == 0) return QString();
    QString text;
    if (leap) text += u'闰';
    if (month >= 1 && month <= 10) text += NumeralText(month);
    else if (month == 11 || month == 12) text += u'十' + NumeralText(month - 10);
    return text + u'月';
}

QString LunarDayText(int day)
{
    if (day >= 1 && day <= 10) return u'初' + NumeralText(day);
    if (day >= 11 && day <= 19) return u'十' + NumeralText(day - 10);
    if (day == 20) return QStringLiteral("二十");
    if (day >= 21 && day <= 29) return u'廿' + NumeralText(day - 20);
    if (day == 30) return QStringLiteral("三十");
    return QString();
}

QString YearGanzhi(int year) { return year >= 1864 ? SexagenaryText(year - 1864) : QString(); }
