#include "birth_dates.h"

#include "calendar/constellation.h"
#include "calendar/ganzhi.h"
#include "calendar/lunar_calendar.h"
#include "calendar/lunar_text.h"
#include "data/date_text.h"

namespace {

Expected<int, QString> readNumber(const QString& text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok) return unexpected(QStringLiteral("'%1' 不是有效的整数").arg(text.trimmed()));
    return n;
}

}  // namespace

Expected<BirthDates, QString> readBirthDates(const BirthInfo& info)
{
    BirthDates d;
    if (info.isLunar()) {
        const auto y = readNumber(info.year), m = readNumber(info.month), day = readNumber(info.day);
        for (const auto* part : {&y, &m, &day})
            if (!*part) return unexpected(part->error());
        d.solar = LunarToSolar(LunarDate{*y, *m, *day, false});
        if (d.solar == QDate(1, 1, 1)) {
            d.solar = QDate();
            d.lunarMissing = true;
        }
    } else {
        const auto solar = parseDateParts(info.year, info.month, info.day);
        if (!solar) return unexpected(solar.error());
        d.solar = *solar;
    }
    const QString text = dateText(d.solar);
    d.year = text.mid(0, 4);
    d.month = text.mid(5, 2);
    d.day = text.mid(8, 2);

    const LunarDate lunar = d.solar.isValid() ? SolarToLunar(d.solar) : LunarDate{};
    d.lunarYear = lunar.Year;
    d.lunarMonth = lunar.Month;
    d.lunarDay = lunar.Day;
    d.lunarLeap = lunar.IsLeap;
    if (!lunar.isNull()) {
        const int cycleIndex = lunar.Year - 1864;
        d.lunarText = LunarYearText(cycleIndex) + LunarMonthText(lunar.Month, lunar.IsLeap) + LunarDayText(lunar.Day);
        // The animal of the lunar year's branch, where LunarYearText prints one.
        if (cycleIndex >= 0) d.zodiac = AnimalText(cycleIndex);
    }
    d.constellation = ConstellationOf(d.solar);
    return d;
}

QString hourNumberText(const QString& hourItem)
{
    const QString trimmed = hourItem.trimmed();
    return trimmed.mid(trimmed.indexOf(u' ') + 1).trimmed();
}
