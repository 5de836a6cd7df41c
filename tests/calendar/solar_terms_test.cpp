// The true solar terms against published moments, and the mean-term clock of the start age.
#include "calendar/beijing_time.h"
#include "calendar/delta_t.h"
#include "calendar/solar_terms.h"
#include "calendar/sun_longitude.h"
#include "calendar/term_formula.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

QString str(const char* utf8) { return QString::fromUtf8(utf8); }

struct PublishedTerm {
    int year;
    const char* name;
    const char* minute;  // Beijing time, yyyy-MM-dd HH:mm, as almanacs print it
};

// Almanac and observatory tables give the minute; the computed second must lie within a minute
// of it either way, whether the table rounded or cut off the seconds.
class PublishedTerms : public ::testing::TestWithParam<PublishedTerm> {};

TEST_P(PublishedTerms, AgreeWithinOneMinute)
{
    const PublishedTerm& p = GetParam();
    const int index = SolarTermIndex(str(p.name));
    ASSERT_GE(index, 0);
    const QDateTime published = MomentFromText(str(p.minute) + QStringLiteral(":00"));
    ASSERT_TRUE(published.isValid());
    const QDateTime computed = AstronomicalTermMoment(p.year, index);
    EXPECT_LE(std::abs(published.secsTo(computed)), 60) << p.year << ' ' << p.name << ": " << MomentText(computed).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Almanac, PublishedTerms,
    ::testing::Values(
        PublishedTerm{1984, "立春", "1984-02-04 23:19"}, PublishedTerm{2024, "立春", "2024-02-04 16:27"},
        PublishedTerm{2024, "冬至", "2024-12-21 17:21"}, PublishedTerm{2026, "小寒", "2026-01-05 16:23"},
        PublishedTerm{2022, "立春", "2022-02-04 04:51"}, PublishedTerm{2025, "立春", "2025-02-03 22:10"},
        // equinoxes and solstices of the nautical almanac, 8 hours added to UTC
        PublishedTerm{2000, "春分", "2000-03-20 15:35"}, PublishedTerm{2000, "冬至", "2000-12-21 21:37"},
        PublishedTerm{2020, "夏至", "2020-06-21 05:44"}, PublishedTerm{2021, "冬至", "2021-12-21 23:59"},
        PublishedTerm{2023, "春分", "2023-03-21 05:24"}, PublishedTerm{2024, "春分", "2024-03-20 11:06"},
        PublishedTerm{2024, "夏至", "2024-06-21 04:51"}, PublishedTerm{2024, "秋分", "2024-09-22 20:44"},
        PublishedTerm{2025, "春分", "2025-03-20 17:01"}, PublishedTerm{2025, "冬至", "2025-12-21 23:03"}));

TEST(AstronomicalTerms, MomentsAreSecondsInBeijingTime)
{
    const QDateTime m = AstronomicalTermMoment(2024, SolarTermIndex(str("立春")));
    EXPECT_EQ(m.offsetFromUtc(), 8 * 3600);
    EXPECT_EQ(m.time().msec(), 0);
    EXPECT_EQ(m.date(), QDate(2024, 2, 4));
    EXPECT_FALSE(AstronomicalTermMoment(2024, 24).isValid());
    EXPECT_FALSE(AstronomicalTermMoment(2024, -1).isValid());
}

TEST(AstronomicalTerms, SunStandsOnTheTermLongitude)
{
    for (int index : {0, 5, 11, 17, 23}) {
        const double lambda = ApparentSolarLongitude(SolarTermJde(1950, index));
        double off = std::fmod(lambda - SolarTermLongitude(index) + 540.0, 360.0) - 180;
        EXPECT_LT(std::abs(off) * 3600, 0.01) << index;  // hundredths of an arc second
    }
}

TEST(AstronomicalTerms, EveryYearHasItsTermsInOrderFrom1900To2100)
{
    QDateTime previous;
    for (int year = 1900; year <= 2100; ++year) {
        const std::array<QDate, kSolarTermCount> days = AstronomicalTermDates(year);
        ASSERT_EQ(days[0].year(), year);
        ASSERT_EQ(days[0].month(), 1) << year;   // 小寒 opens the calendar year's terms
        ASSERT_EQ(days[23].month(), 12) << year; // 冬至 closes them
        for (int index = 0; index < kSolarTermCount; ++index) {
            const QDateTime m = AstronomicalTermMoment(year, index);
            if (previous.isValid()) {
                const double gapDays = previous.secsTo(m) / 86400.0;
                ASSERT_GT(gapDays, 14.5) << year << ' ' << index;
                ASSERT_LT(gapDays, 16.0) << year << ' ' << index;
            }
            previous = m;
        }
    }
}

TEST(AstronomicalTerms, TermDaysOfTheCalendarWindowRange)
{
    // Days where the true term and a naive fixed date part ways.
    EXPECT_EQ(AstronomicalTermDate(2025, SolarTermIndex(str("立春"))), QDate(2025, 2, 3));
    EXPECT_EQ(AstronomicalTermDate(2023, SolarTermIndex(str("立冬"))), QDate(2023, 11, 8));
    EXPECT_EQ(AstronomicalTermDate(2025, SolarTermIndex(str("小寒"))), QDate(2025, 1, 5));
    EXPECT_EQ(AstronomicalTermDate(1901, SolarTermIndex(str("冬至"))), QDate(1901, 12, 22));
    EXPECT_EQ(AstronomicalTermDate(2050, SolarTermIndex(str("春分"))), QDate(2050, 3, 20));
}

TEST(DeltaT, ModelValues)
{
    EXPECT_NEAR(DeltaTSeconds(1900), -2.8, 0.1);
    EXPECT_NEAR(DeltaTSeconds(1950), 29.1, 0.1);
    EXPECT_NEAR(DeltaTSeconds(2000), 63.9, 0.1);
    // the pieces of the model join without a jump
    for (double year : {1900.0, 1920.0, 1941.0, 1961.0, 1986.0, 2005.0, 2050.0, 2150.0})
        EXPECT_NEAR(DeltaTSeconds(year - 1e-6), DeltaTSeconds(year), 1.0) << year;
}

TEST(SolarTermNames, IndexOrderAndJie)
{
    EXPECT_EQ(SolarTermName(0), str("小寒"));
    EXPECT_EQ(SolarTermName(2), str("立春"));
    EXPECT_EQ(SolarTermName(5), str("春分"));
    EXPECT_EQ(SolarTermName(23), str("冬至"));
    EXPECT_EQ(SolarTermName(24), QString());
    EXPECT_EQ(SolarTermIndex(str("大雪")), 22);
    EXPECT_EQ(SolarTermIndex(str("月")), -1);

    const QStringList jie = JieTermNames();
    ASSERT_EQ(jie.size(), 12);
    EXPECT_EQ(jie.first(), str("立春"));
    EXPECT_EQ(jie.last(), str("小寒"));
    for (int i = 0; i < kSolarTermCount; ++i) EXPECT_EQ(IsJieTerm(SolarTermName(i)), i % 2 == 0) << i;
    EXPECT_FALSE(IsJieTerm(QString()));

    EXPECT_EQ(MonthBranchOpenedBy(str("立春")), 2);  // 寅
    EXPECT_EQ(MonthBranchOpenedBy(str("大雪")), 0);  // 子
    EXPECT_EQ(MonthBranchOpenedBy(str("小寒")), 1);  // 丑
    EXPECT_EQ(MonthBranchOpenedBy(str("雨水")), -1);
}

TEST(TermFormula, MeanTermClock)
{
    EXPECT_EQ(SolarTermMoment(1900, 0), MomentFromText(QStringLiteral("1900-01-06 02:05:00")));
    // 立春 1900: 42467 minutes later
    EXPECT_EQ(SolarTermMoment(1900, 2), MomentFromText(QStringLiteral("1900-02-04 13:52:00")));
    // whole mean years of 31556925974.7 ms, rounded to the millisecond
    const QDateTime a = SolarTermMoment(1900, 0);
    EXPECT_EQ(a.msecsTo(SolarTermMoment(1910, 0)), 315569259747LL);
    EXPECT_EQ(a.msecsTo(SolarTermMoment(1901, 0)), 31556925975LL);
}

TEST(TermFormula, TermOfDate)
{
    const QDate lichun1984 = SolarTermMoment(1984, 2).date();
    EXPECT_EQ(SolarTermOfDate(lichun1984), str("立春"));
    EXPECT_EQ(SolarTermOfDate(SolarTermMoment(1984, 3).date()), str("雨水"));
    EXPECT_EQ(SolarTermOfDate(lichun1984.addDays(1)), QString());
    EXPECT_EQ(SolarTermOfDate(QDate()), QString());
    // the next 节 after 1984-02-04 on this clock is 惊蛰, 30 days on
    EXPECT_EQ(SolarTermOfDate(QDate(1984, 3, 5)), str("惊蛰"));
}

}  // namespace
