// True solar time: summer time taken off by the zone database, the longitude shift and the
// equation of time against published values.
#include "calendar/beijing_time.h"
#include "calendar/true_solar_time.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The worked example of Meeus, Astronomical Algorithms (example 28.b): 1992 October 13 at 0h
// dynamical time, E = +13m 42.7s; dynamical time ran 59 s ahead of UT then.
TEST(EquationOfTime, MatchesTheWorkedExampleToASecond)
{
    const QDateTime moment = QDateTime::fromString(QStringLiteral("1992-10-12T23:59:01Z"), Qt::ISODate);
    EXPECT_NEAR(EquationOfTimeMinutes(moment) * 60, 13 * 60 + 42.7, 1.0);
}

// Almanac values of the equation of time near noon, Beijing time, to the nearest ten seconds:
// the solstices and equinoxes, and the year's two extremes.
struct NoonCase {
    const char* date;
    double equationSeconds;
};
constexpr NoonCase kAlmanac[] = {
    {"2000-03-20", -7 * 60 - 30}, {"2000-06-21", -1 * 60 - 40}, {"2000-09-22", 7 * 60 + 20},
    {"2000-12-21", 1 * 60 + 50},  {"2000-02-11", -14 * 60 - 10}, {"2000-11-03", 16 * 60 + 30},
};

TEST(EquationOfTime, WithinHalfAMinuteOfThePublishedTable)
{
    for (const NoonCase& c : kAlmanac) {
        const QDateTime noon = BeijingMoment(QDate::fromString(QString::fromLatin1(c.date), Qt::ISODate), QTime(12, 0));
        EXPECT_NEAR(EquationOfTimeMinutes(noon) * 60, c.equationSeconds, 30) << c.date;
    }
}

// Noon on the clocks at the two ends of the country: Ürümqi lies 32.38° west of the clocks'
// meridian (2 h 9.5 min), Harbin 6.62° east (26.5 min); the equation of time comes on top.
TEST(TrueSolarTime, NoonAtUrumqiAndHarbinOnTheSolsticesAndEquinoxes)
{
    const struct {
        const char* date;
        double longitude;
        const char* want;
    } cases[] = {
        {"2000-03-20", 87.62, "09:43"}, {"2000-06-21", 87.62, "09:49"}, {"2000-09-22", 87.62, "09:58"},
        {"2000-12-21", 87.62, "09:52"}, {"2000-03-20", 126.62, "12:19"}, {"2000-06-21", 126.62, "12:25"},
        {"2000-09-22", 126.62, "12:34"}, {"2000-12-21", 126.62, "12:28"},
    };
    for (const auto& c : cases) {
        const QDate date = QDate::fromString(QString::fromLatin1(c.date), Qt::ISODate);
        const TrueSolarTime t = TrueSolarTimeAt(date, QTime(12, 0), c.longitude);
        EXPECT_EQ(t.date, date) << c.date;
        EXPECT_EQ(t.time.toString(QStringLiteral("HH:mm")), QString::fromLatin1(c.want)) << c.date << ' ' << c.longitude;
        EXPECT_NEAR(t.longitudeMinutes, (c.longitude - 120) * 4, 1e-9);
    }
}

TEST(StandardTime, SummerTimeOf1986To1991ComesFromTheZoneDatabase)
{
    const struct {
        QDate date;
        QTime clock;
        const char* want;
    } cases[] = {
        {{1988, 7, 1}, {12, 0}, "1988-07-01 11:00:00"},   // summer time: an hour ahead
        {{1988, 1, 15}, {12, 0}, "1988-01-15 12:00:00"},  // winter
        {{1992, 7, 1}, {12, 0}, "1992-07-01 12:00:00"},   // summer time ended after 1991
        {{1985, 7, 1}, {12, 0}, "1985-07-01 12:00:00"},   // and began in 1986
        {{1986, 7, 1}, {0, 30}, "1986-06-30 23:30:00"},   // the hour taken off can change the day
    };
    for (const auto& c : cases)
        EXPECT_EQ(MomentText(StandardBeijingTime(c.date, c.clock)), QString::fromLatin1(c.want)) << c.want;
}

TEST(TrueSolarTime, SummerBirthIsTakenBackAnHourBeforeTheLongitudeShift)
{
    // 1988-07-01 12:00 on the clocks in Beijing (116.41°E): 11:00 standard time, − 14.4 min for
    // the longitude, − 3.8 min equation of time.
    const TrueSolarTime t = TrueSolarTimeAt(QDate(1988, 7, 1), QTime(12, 0), 116.41);
    EXPECT_EQ(MomentText(t.standardTime), QStringLiteral("1988-07-01 11:00:00"));
    EXPECT_EQ(t.time, QTime(10, 42));
}

TEST(TrueSolarTime, ABirthJustAfterMidnightInTheWestFallsOnTheDayBefore)
{
    // Kashgar, 75.99°E: 00:30 on the clocks is 21:31 of the day before by the Sun.
    const TrueSolarTime t = TrueSolarTimeAt(QDate(2000, 1, 2), QTime(0, 30), 75.99);
    EXPECT_EQ(t.date, QDate(2000, 1, 1));
    EXPECT_EQ(t.time, QTime(21, 31));
}

}  // namespace
