#include "term_formula.h"

#include "beijing_time.h"
#include "solar_term_names.h"

#include <cmath>

namespace {

constexpr int kTermMinutes[kSolarTermCount] = {
    0,      21208,  42467,  63836,  85337,  107014, 128867, 150921, 173149, 195551, 218072, 240693,
    263343, 285989, 308563, 331033, 353350, 375494, 397447, 419210, 440795, 462224, 483532, 504758,
};

constexpr double kMeanYearMilliseconds = 31556925974.7;

}  // namespace

int TermMinutes(int index)
{
    if (index < 0 || index >= kSolarTermCount) return 0;
    return kTermMinutes[index];
}

QDateTime SolarTermMoment(int year, int index)
{
    static const QDateTime epoch = BeijingMoment(QDate(1900, 1, 6), QTime(2, 5));
    const double ms = (year - 1900) * kMeanYearMilliseconds + TermMinutes(index) * 60000.0;
    return epoch.addMSecs(std::llround(ms));
}

QString SolarTermOfDate(const QDate& date)
{
    if (!date.isValid()) return QString();
    const int first = 2 * date.month() - 2;
    if (SolarTermMoment(date.year(), first).date() == date) return SolarTermName(first);
    if (SolarTermMoment(date.year(), first + 1).date() == date) return SolarTermName(first + 1);
    return QString();
}
