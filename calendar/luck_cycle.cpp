#include "luck_cycle.h"

#include "ganzhi.h"
#include "lunar_calendar.h"
#include "solar_term_names.h"
#include "term_formula.h"

#include <QStringList>
#include <algorithm>

namespace {

constexpr int kSearchDays = 32;
constexpr int kMaxStartAge = 10;

bool isJieDay(const QDate& date) { return IsJieTerm(SolarTermOfDate(date)); }

}  // namespace

bool LuckRunsBackward(const QString& sex, int yearStem)
{
    const bool yinYear = wrapIndex(yearStem, kStemCount) % 2 == 1;
    return sex == QStringLiteral("男") ? yinYear : !yinYear;
}

int DaysToJie(const QDate& birth, bool backward)
{
    for (int j = 1; j <= kSearchDays; ++j)
        if (isJieDay(birth.addDays(backward ? -j : j))) return j;
    return 0;
}

int StartAgeFor(int daysToJie)
{
    if (daysToJie <= 0) return kMaxStartAge;
    return std::min((daysToJie + 2) / 3, kMaxStartAge);
}

std::array<Pillar, 10> LuckPillarsFor(const Pillar& month, bool backward)
{
    std::array<Pillar, 10> pillars;
    const int step = backward ? -1 : 1;
    for (int k = 0; k < 10; ++k)
        pillars[k] = {wrapIndex(month.stem + step * k, kStemCount), wrapIndex(month.branch + step * k, kBranchCount)};
    return pillars;
}

QString LuckPillarsTextOf(const std::array<Pillar, 10>& pillars)
{
    QStringList texts;
    for (const Pillar& p : pillars) texts << p.text();
    return texts.join(QStringLiteral("   "));
}

QString ConceptionOf(const Pillar& month)
{
    return PillarText(month.stem + 1, month.branch + 3) + u' ';
}

int HiddenYearBranch(const QDate& birth)
{
    QDate day = birth;
    for (int j = 1; j <= kSearchDays; ++j) {
        if (isJieDay(birth.addDays(j))) {
            day = birth.addDays(j);
            break;
        }
    }
    return wrapIndex(SolarToLunar(day).Year - 1924, kBranchCount);
}
