#include "chart_moment.h"

#include "beijing_time.h"
#include "true_solar_time.h"

ChartMoment ClockChartMoment(const QDate& date, const QTime& clockTime, bool earlyZi)
{
    ChartMoment m;
    m.beijing = BeijingMoment(date, clockTime);
    m.date = date;
    m.time = clockTime;
    m.earlyZi = earlyZi;
    return m;
}

ChartMoment TrueSolarChartMoment(const QDate& date, const QTime& clockTime, const BirthLongitude& place, bool earlyZi)
{
    const TrueSolarTime solar = TrueSolarTimeAt(date, clockTime, place.longitude);
    ChartMoment m;
    m.beijing = solar.standardTime;
    m.date = solar.date;
    m.time = solar.time;
    m.place = place;
    m.earlyZi = earlyZi;
    return m;
}

ChartMoment ChartMomentAt(const QDate& date, const QTime& clockTime, const std::optional<BirthLongitude>& place,
                          bool earlyZi)
{
    return place ? TrueSolarChartMoment(date, clockTime, *place, earlyZi) : ClockChartMoment(date, clockTime, earlyZi);
}

QString TrueSolarTimeLine(const ChartMoment& moment)
{
    if (!moment.place) return {};
    const QString name = moment.place->placeName.isEmpty() ? QStringLiteral("未填") : moment.place->placeName;
    return QStringLiteral("出生地：") + name + QStringLiteral("  经度 ") + LongitudeText(moment.place->longitude)
           + QStringLiteral("  真太阳时：") + moment.time.toString(QStringLiteral("HH:mm"));
}
