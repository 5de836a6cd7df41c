#include "bazi_cast.h"

#include "beijing_time.h"
#include "ganzhi.h"
#include "hidden_stems.h"
#include "jie_lookup.h"
#include "luck_cycle.h"
#include "pillar_rules.h"
#include "solar_term_names.h"

namespace {

// 节 follow each other by 29.4 to 31.5 days; a table row further back than this belongs to a
// table that lacks the terms around the birth, and must not decide the month.
constexpr qint64 kLongestJieGapSeconds = 32LL * 86400;

struct MonthAndYear {
    int monthBranch;
    int pillarYear;
};

// The month branch and pillar year from the latest 节 of the table, if the table has it.
std::optional<MonthAndYear> fromTermTable(const QDateTime& moment)
{
    const std::optional<JieMoment> jie = LatestJieAtOrBefore(moment);
    if (!jie || jie->moment.secsTo(moment) > kLongestJieGapSeconds) return std::nullopt;
    // 小寒 opens 丑 in January, still in the year that began at the previous 立春.
    const bool isXiaohan = jie->name == SolarTermName(0);
    return MonthAndYear{MonthBranchOpenedBy(jie->name), isXiaohan ? jie->yearA - 1 : jie->yearA};
}

MonthAndYear fromFixedDates(int year, int month, int day, bool bornBeforeJie)
{
    const int key = DateKey(month, day, bornBeforeJie);
    return {FixedMonthBranch(key), FixedPillarYear(year, key)};
}

}  // namespace

QString BaziInputMessage() { return QStringLiteral("请检查输入数据是否出错！"); }

Expected<BaziChart, QString> CastBaziChart(int year, int month, int day, int hour, int minute, Sex sex)
{
    if (IsImpossibleBirthDay(month, day)) return unexpected(BaziInputMessage());
    const QDate birthDate(year, month, day);
    if (!birthDate.isValid()) return unexpected(BaziInputMessage());
    return CastBaziChart(ClockChartMoment(birthDate, QTime(hour, minute)), sex);
}

BaziChart CastBaziChart(const ChartMoment& m, Sex sex)
{
    // Terms are written in Beijing time, so the month and year compare the Beijing instant.
    const QDateTime moment = m.beijing.toTimeZone(BeijingTimeZone());
    const QDate termDate = moment.date();

    BaziChart c;
    c.year = termDate.year();
    c.month = termDate.month();
    c.day = termDate.day();
    c.hour = moment.time().hour();
    c.minute = moment.time().minute();
    c.sex = sex;
    c.moment = m;
    c.BornBeforeJie = BornBeforeJieMoment(termDate.year(), moment);

    const MonthAndYear my = fromTermTable(moment).value_or(
        fromFixedDates(termDate.year(), termDate.month(), termDate.day(), c.BornBeforeJie));
    c.yearPillar = Pillar::ofNumber(YearSexagenary(my.pillarYear));
    c.monthPillar = Pillar::of(MonthStemFor(c.yearPillar.stem(), my.monthBranch), my.monthBranch);

    // From 23:00 the 子 hour of the next day has begun.
    const bool nextDaysZi = m.time.hour() == 23;
    const Pillar nextDay = Pillar::ofNumber(DaySexagenary(m.date.addDays(1)));
    c.dayPillar = nextDaysZi && m.earlyZi ? nextDay : Pillar::ofNumber(DaySexagenary(m.date));
    const int hourBranch = HourBranchOf(m.time.hour());
    c.hourPillar = Pillar::of(HourStemFor((nextDaysZi ? nextDay : c.dayPillar).stem(), hourBranch), hourBranch);

    c.Conception = ConceptionOf(c.monthPillar);
    c.Backward = LuckRunsBackward(sex, c.yearPillar.stem());
    c.StartAge = StartAgeFor(DaysToJie(termDate, c.Backward));
    c.LuckPillars = LuckPillarsFor(c.monthPillar, c.Backward);

    c.HiddenYear = HiddenStems::of(HiddenYearBranch(termDate));
    c.HiddenMonth = HiddenStems::of(termDate.month());  // by the solar month: January 丑, … December 子
    c.HiddenDay = HiddenStems::of(c.dayPillar.branch());
    c.HiddenHour = HiddenStems::of(c.hourPillar.branch());
    return c;
}
