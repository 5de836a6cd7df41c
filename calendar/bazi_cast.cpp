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
    const QDateTime moment = BeijingMoment(birthDate, QTime(hour, minute));

    BaziChart c;
    c.year = year;
    c.month = month;
    c.day = day;
    c.hour = hour;
    c.minute = minute;
    c.sex = sex;
    c.BornBeforeJie = BornBeforeJieMoment(year, moment);

    const MonthAndYear my = fromTermTable(moment).value_or(fromFixedDates(year, month, day, c.BornBeforeJie));
    c.yearPillar = Pillar::ofNumber(YearSexagenary(my.pillarYear));
    c.monthPillar = Pillar::of(MonthStemFor(c.yearPillar.stem(), my.monthBranch), my.monthBranch);
    c.dayPillar = Pillar::ofNumber(DaySexagenary(birthDate));
    const int hourBranch = HourBranchOf(hour);
    c.hourPillar = Pillar::of(HourStemFor(c.dayPillar.stem(), hourBranch), hourBranch);

    c.Conception = ConceptionOf(c.monthPillar);
    c.Backward = LuckRunsBackward(sex, c.yearPillar.stem());
    c.StartAge = StartAgeFor(DaysToJie(birthDate, c.Backward));
    c.LuckPillars = LuckPillarsFor(c.monthPillar, c.Backward);

    c.HiddenYear = HiddenStems::of(HiddenYearBranch(birthDate));
    c.HiddenMonth = HiddenStems::of(month);  // by the solar month: January 丑, … December 子
    c.HiddenDay = HiddenStems::of(c.dayPillar.branch());
    c.HiddenHour = HiddenStems::of(c.hourPillar.branch());
    return c;
}
