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

bool LuckRunsBackward(Sex sex, int yearStem)
{
    const bool yinYear = wrapIndex(yearStem, kStemCount) % 2 == 1;
    return sex == Sex::Male ? yinYear : !yinYear;
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
    const int age = std::min((daysToJie + 2) / 3, kMaxStartAge);
    Q_ASSERT(age >= 1 && age <= kMaxStartAge);
    return age;
}

std::array<Pillar, 10> LuckPillarsFor(Pillar month, bool backward)
{
    std::array<Pillar, 10> pillars;
    const int step = backward ? -1 : 1;
    for (int k = 0; k < 10; ++k) pillars[k] = month.next(step * k);
    return pillars;
}

QString LuckPillarsTextOf(const std::array<Pillar, 10>& pillars)
{
    QStringList texts;
    for (const Pillar& p : pillars) texts << p.text();
    return texts.join(QStringLiteral("   "));
}

Pillar ConceptionOf(Pillar month) { return Pillar::of(month.stem() + 1, month.branch() + 3); }

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
