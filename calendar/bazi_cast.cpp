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

Expected<BaziChart, QString> CastBaziChart(int year, int month, int day, int hour, int minute, const QString& sex)
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
    const int yearNumber = YearSexagenary(my.pillarYear);
    c.YearStem = yearNumber % kStemCount;
    c.YearBranch = yearNumber % kBranchCount;
    c.MonthBranch = my.monthBranch;
    c.MonthStem = MonthStemFor(c.YearStem, c.MonthBranch);

    const int dayNumber = DaySexagenary(birthDate);
    c.DayStem = dayNumber % kStemCount;
    c.DayBranch = dayNumber % kBranchCount;
    c.HourBranch = HourBranchOf(hour);
    c.HourStem = HourStemFor(c.DayStem, c.HourBranch);

    c.YS = StemText(c.YearStem);
    c.YB = BranchText(c.YearBranch);
    c.MS = StemText(c.MonthStem);
    c.MB = BranchText(c.MonthBranch);
    c.DS = StemText(c.DayStem);
    c.DB = BranchText(c.DayBranch);
    c.HS = StemText(c.HourStem);
    c.HB = BranchText(c.HourBranch);

    c.Conception = ConceptionOf(c.monthPillar());
    c.Backward = LuckRunsBackward(sex, c.YearStem);
    c.StartAge = StartAgeFor(DaysToJie(birthDate, c.Backward));
    c.StartAgeText = QString::number(c.StartAge);
    c.LuckPillars = LuckPillarsFor(c.monthPillar(), c.Backward);
    c.LuckPillarsText = LuckPillarsTextOf(c.LuckPillars);

    c.HiddenYear = HiddenStemsOf(HiddenYearBranch(birthDate));
    c.HiddenMonth = HiddenStemsOf(month % kBranchCount);
    c.HiddenDay = HiddenStemsOf(c.DayBranch);
    c.HiddenHour = HiddenStemsOf(c.HourBranch);
    return c;
}
