#include "almanac_day.h"

#include "calendar_annotations.h"
#include "calendar_month.h"
#include "calendar_year_info.h"
#include "festivals.h"
#include "ganzhi.h"
#include "lunar_text.h"
#include "nayin.h"
#include "pillar_rules.h"
#include "solar_term_names.h"
#include "solar_terms.h"

#include <QStringList>
#include <cstdlib>

namespace {

constexpr char16_t kOfficers[] = u"建除满平定执破危成收开闭";
constexpr const char16_t* kGods[] = {u"青龙", u"明堂", u"天刑", u"朱雀", u"金匮", u"天德",
                                     u"白虎", u"玉堂", u"天牢", u"玄武", u"司命", u"勾陈"};
constexpr bool kYellowPath[] = {true, true, false, false, true, true, false, true, false, false, true, false};
// The 煞 lies in the direction of the day's branch triad: 申子辰 south, 亥卯未 west, 寅午戌 north, 巳酉丑 east.
constexpr char16_t kShaByBranch[] = u"南东北西南东北西南东北西";

// 节 number k (0 小寒, 1 立春, … 11 大雪) opens the month of branch k + 1.
int branchOpenedByJie(int k) { return wrapIndex(k + 1, kBranchCount); }

QString lunarDateText(const LunarDate& l)
{
    return QStringLiteral("农历%1年%2%3月%4")
        .arg(YearGanzhi(l.Year), l.IsLeap ? QStringLiteral("闰") : QString(), CalendarMonthName(l.Month),
             CalendarDayName(l.Day));
}

}  // namespace

int DayOfficer(int monthBranch, int dayBranch) { return wrapIndex(dayBranch - monthBranch, kBranchCount); }
QString OfficerName(int officer) { return QString(QChar(kOfficers[wrapIndex(officer, kBranchCount)])); }

int DayGod(int monthBranch, int dayBranch)
{
    const int qingLongBranch = 2 * wrapIndex(monthBranch + 4, 6);  // 寅 申 → 子, 卯 酉 → 寅, …
    return wrapIndex(dayBranch - qingLongBranch, kBranchCount);
}
QString DayGodName(int god) { return QString::fromUtf16(kGods[wrapIndex(god, kBranchCount)]); }
bool IsYellowPathGod(int god) { return kYellowPath[wrapIndex(god, kBranchCount)]; }

LunarDate AlmanacLunarDate(const QDate& date)
{
    if (const int code = CalendarLunarCode(date)) {
        const int month = std::abs(code) / 100;
        // 冬月 and 腊月 seen in January … May belong to the lunar year before.
        const int year = month >= 11 && date.month() < 6 ? date.year() - 1 : date.year();
        return {year, month, std::abs(code) % 100, code < 0};
    }
    if (date >= QDate(1900, 1, 1) && date < QDate(1900, 1, 31)) return {1899, 12, date.day(), false};
    return SolarToLunar(date);
}

const std::array<QDate, 24>& AlmanacCalendar::termDates(int year)
{
    auto found = terms_.find(year);
    if (found == terms_.end()) found = terms_.emplace(year, AstronomicalTermDates(year)).first;
    return found->second;
}

DayPillars AlmanacCalendar::pillarsOf(const QDate& date)
{
    // The latest 节 on or before the day: those of its own year from 大雪 back to 小寒, else 大雪
    // of the year before.
    const auto& terms = termDates(date.year());
    int monthBranch = branchOpenedByJie(11);
    for (int k = 11; k >= 0; --k)
        if (terms[2 * k] <= date) {
            monthBranch = branchOpenedByJie(k);
            break;
        }
    const int pillarYear = date >= terms[2] ? date.year() : date.year() - 1;  // terms[2] is 立春
    const int year = YearSexagenary(pillarYear);
    const int monthStem = MonthStemFor(year % kStemCount, monthBranch);
    return {year, SexagenaryNumber(monthStem, monthBranch), DaySexagenary(date)};
}

QString AlmanacCalendar::termOf(const QDate& date)
{
    const auto& terms = termDates(date.year());
    for (int index : {2 * date.month() - 2, 2 * date.month() - 1})
        if (terms[index] == date) return SolarTermName(index);
    return QString();
}

AlmanacEntry AlmanacCalendar::entryOf(const QDate& date)
{
    const DayPillars p = pillarsOf(date);
    const int monthBranch = p.month % kBranchCount, dayBranch = p.day % kBranchCount;
    const int officer = DayOfficer(monthBranch, dayBranch);
    const int god = DayGod(monthBranch, dayBranch);

    const LunarDate lunar = AlmanacLunarDate(date);
    const LunarDate tomorrow = AlmanacLunarDate(date.addDays(1));
    const bool lastDayOfYear = tomorrow.Month == 1 && tomorrow.Day == 1 && !tomorrow.IsLeap;
    QStringList occasions;
    for (const QString& name : {LunarFestivalName(lunar.Month, lunar.Day, lunar.IsLeap, lastDayOfYear),
                                SolarFestivalName(date), termOf(date)})
        if (!name.isEmpty()) occasions << name;

    AlmanacEntry e;
    QString summary = lunarDateText(lunar) + u'，' + WeekdayHeading(date.dayOfWeek());
    if (!occasions.isEmpty()) summary += u'，' + occasions.join(u'、');
    e.nn = summary + QStringLiteral("；%1%2日，建除值%3。")
                         .arg(DayGodName(god), IsYellowPathGod(god) ? QStringLiteral("黄道") : QStringLiteral("黑道"),
                              OfficerName(officer));
    e.suici = QStringLiteral("%1年 %2月 %3日").arg(SexagenaryText(p.year), SexagenaryText(p.month), SexagenaryText(p.day));
    e.wuhang = NayinName(p.day) + u' ' + OfficerName(officer) + QStringLiteral("执位");
    const int clashBranch = dayBranch + 6;
    e.cong = QStringLiteral("(%1)%2 煞%3")
                 .arg(PillarText(p.day + 4, clashBranch), AnimalText(clashBranch), QChar(kShaByBranch[dayBranch]));
    e.pzbj = rules_.pengzuTaboos(p.day);
    e.tszf = rules_.fetusGod(p.day);
    const AlmanacDayRule& rule = rules_.dayRule(monthBranch, p.day);
    e.jsyq = rule.good;
    e.xsyq = rule.bad;
    e.yi = rule.yi;
    e.ji = rule.ji;
    return e;
}
