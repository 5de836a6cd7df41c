#include "missing_elements.h"

#include "calendar/bazi_cast.h"
#include "calendar/birth_dates.h"
#include "calendar/pillar_rules.h"
#include "data/char_dictionary.h"

namespace {

// The empty-box checks in the order the pages make them.
QString emptyBoxMessage(const BirthInfo& birth)
{
    if (birth.year.trimmed().isEmpty()) return QStringLiteral("请选择出生年!");
    if (birth.month.trimmed().isEmpty()) return QStringLiteral("请选择出生月!");
    if (birth.day.trimmed().isEmpty()) return QStringLiteral("请选择出生日!");
    if (birth.hour.trimmed().isEmpty()) return QStringLiteral("请选择出生小时!");
    return {};
}

}  // namespace

QString ElementsNotIn(const QString& elementText)
{
    QString missing;
    for (const QChar element : QStringLiteral("金木水火土"))
        if (!elementText.contains(element)) missing += element;
    return missing;
}

QString MissingElementsOf(const BaziChart& chart)
{
    QString elements;
    for (const Pillar& p : {chart.yearPillar, chart.monthPillar, chart.dayPillar, chart.hourPillar})
        elements += HzwhElement(p.stemText()) + HzwhElement(p.branchText());
    return ElementsNotIn(elements);
}

Expected<BaziChart, QString> CastBirthChart(const BirthInfo& birth)
{
    if (const QString message = emptyBoxMessage(birth); !message.isEmpty()) return unexpected(message);
    const auto dates = readBirthDates(birth);
    if (!dates || !dates->solar.isValid()) return unexpected(BaziInputMessage());

    bool hourOk = false, minuteOk = false;
    const int hour = hourNumberText(birth.hour).toInt(&hourOk);
    const int minute = birth.minute.trimmed().isEmpty() ? 0 : birth.minute.trimmed().toInt(&minuteOk);
    if (!hourOk || hour < 0 || hour > 23) return unexpected(BaziInputMessage());
    if (!birth.minute.trimmed().isEmpty() && (!minuteOk || minute < 0 || minute > 59))
        return unexpected(BaziInputMessage());

    const auto place = BirthLongitudeOf(birth.place, birth.longitude);
    if (!place) return unexpected(place.error());
    if (IsImpossibleBirthDay(dates->solar.month(), dates->solar.day())) return unexpected(BaziInputMessage());
    return CastBaziChart(ChartMomentAt(dates->solar, QTime(hour, minute), *place, birth.earlyZi()), SexOfText(birth.sex));
}

Expected<QString, QString> ComputeMissingElements(const BirthInfo& birth)
{
    const auto chart = CastBirthChart(birth);
    if (!chart) return unexpected(chart.error());
    return MissingElementsOf(*chart);
}
