#include "pillar_rules.h"

#include "ganzhi.h"

bool IsImpossibleBirthDay(int month, int day)
{
    if (month == 2) return day > 29;
    const bool thirtyDays = month == 4 || month == 6 || month == 9 || month == 11;
    return thirtyDays && day == 31;
}

int DateKey(int month, int day, bool bornBeforeJie) { return month * 100 + day - (bornBeforeJie ? 1 : 0); }

int FixedMonthBranch(int dateKey)
{
    struct Range {
        int from;  // first key of the month; it lasts until the next entry's first key
        int branch;
    };
    // 子 comes twice: it begins with 大雪 in December and reaches into January.
    static constexpr Range kRanges[] = {
        {1208, 0}, {1107, 11}, {1008, 10}, {908, 9}, {808, 8}, {707, 7}, {606, 6},
        {505, 5},  {405, 4},   {306, 3},   {204, 2}, {106, 1},
    };
    for (const Range& r : kRanges)
        if (dateKey >= r.from) return r.branch;
    return 0;
}

int FixedPillarYear(int year, int dateKey) { return dateKey >= 204 ? year : year - 1; }

int YearSexagenary(int pillarYear) { return wrapIndex(pillarYear - 4, 60); }

int MonthStemFor(int yearStem, int monthBranch)
{
    return wrapIndex(2 * yearStem + 2 + wrapIndex(monthBranch + 10, kBranchCount), kStemCount);
}

int DaySexagenary(const QDate& date)
{
    // Counted on the Julian day number (64 bits), so that a year typed with many digits cannot
    // overflow the sum; Julian day 11 was a 甲子 day.
    const qint64 n = (date.toJulianDay() + 49) % 60;
    return static_cast<int>(n < 0 ? n + 60 : n);
}

int HourBranchOf(int hour) { return wrapIndex((hour + 1) / 2, kBranchCount); }

int HourStemFor(int dayStem, int hourBranch) { return wrapIndex(2 * dayStem + hourBranch, kStemCount); }
