// The lunar calendar of the birth forms: conversions both ways, month and year lengths.
#include "calendar/lunar_calendar.h"

#include <gtest/gtest.h>

namespace {

struct SolarLunarCase {
    QDate solar;
    LunarDate lunar;
};

class SolarToLunarCases : public ::testing::TestWithParam<SolarLunarCase> {};

TEST_P(SolarToLunarCases, ConvertsToTheExpectedLunarDate)
{
    EXPECT_EQ(SolarToLunar(GetParam().solar), GetParam().lunar) << GetParam().solar.toString(Qt::ISODate).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    TableRange, SolarToLunarCases,
    ::testing::Values(
        // the two ends of the table and one day beyond each
        SolarLunarCase{QDate(1900, 1, 31), {1900, 1, 1, false}}, SolarLunarCase{QDate(1900, 1, 30), {}},
        SolarLunarCase{QDate(2100, 12, 31), {2100, 12, 1, false}}, SolarLunarCase{QDate(2101, 1, 1), {}},
        // new years
        SolarLunarCase{QDate(1984, 2, 2), {1984, 1, 1, false}}, SolarLunarCase{QDate(2000, 2, 5), {2000, 1, 1, false}},
        SolarLunarCase{QDate(1984, 2, 1), {1983, 12, 30, false}},
        // into and out of a leap month
        SolarLunarCase{QDate(2023, 3, 21), {2023, 2, 30, false}}, SolarLunarCase{QDate(2023, 3, 22), {2023, 2, 1, true}},
        SolarLunarCase{QDate(2023, 4, 19), {2023, 2, 29, true}}, SolarLunarCase{QDate(2023, 4, 20), {2023, 3, 1, false}},
        // a 30-day leap month whose length only the next year's word tells
        SolarLunarCase{QDate(1906, 6, 21), {1906, 4, 30, true}}, SolarLunarCase{QDate(1906, 6, 22), {1906, 5, 1, false}},
        SolarLunarCase{QDate(2020, 5, 23), {2020, 4, 1, true}}));

TEST(SolarToLunar, InvalidDateIsNoDate)
{
    EXPECT_TRUE(SolarToLunar(QDate()).isNull());
}

struct LunarSolarCase {
    LunarDate lunar;
    QDate solar;
};

class LunarToSolarCases : public ::testing::TestWithParam<LunarSolarCase> {};

TEST_P(LunarToSolarCases, ConvertsToTheExpectedSolarDate)
{
    const LunarDate& d = GetParam().lunar;
    EXPECT_EQ(LunarToSolar(d), GetParam().solar) << d.Year << '-' << d.Month << '-' << d.Day << (d.IsLeap ? " leap" : "");
}

const QDate kNoDate(1, 1, 1);

INSTANTIATE_TEST_SUITE_P(
    Conversions, LunarToSolarCases,
    ::testing::Values(
        LunarSolarCase{{2023, 2, 1, true}, QDate(2023, 3, 22)}, LunarSolarCase{{2023, 2, 1, false}, QDate(2023, 2, 20)},
        LunarSolarCase{{2020, 4, 1, true}, QDate(2020, 5, 23)}, LunarSolarCase{{2020, 4, 1, false}, QDate(2020, 4, 23)},
        LunarSolarCase{{2000, 1, 1, false}, QDate(2000, 2, 5)}, LunarSolarCase{{1984, 1, 1, false}, QDate(1984, 2, 2)},
        LunarSolarCase{{1901, 1, 1, false}, QDate(1901, 2, 19)},
        // months after a leap month are pushed back by it
        LunarSolarCase{{2023, 3, 1, false}, QDate(2023, 4, 20)}));

INSTANTIATE_TEST_SUITE_P(
    Refused, LunarToSolarCases,
    ::testing::Values(
        // lunar 1900 and 2100 convert one way only
        LunarSolarCase{{1900, 1, 1, false}, kNoDate}, LunarSolarCase{{1900, 6, 15, false}, kNoDate},
        LunarSolarCase{{2100, 1, 1, false}, kNoDate},
        // day 30 of a 29-day month (2023 month 1 has 29 days), of a 29-day leap month
        LunarSolarCase{{2023, 1, 30, false}, kNoDate}, LunarSolarCase{{2023, 2, 30, true}, kNoDate},
        // a leap flag where the year has no such leap month
        LunarSolarCase{{2023, 3, 1, true}, kNoDate}, LunarSolarCase{{2024, 1, 1, true}, kNoDate},
        LunarSolarCase{{2023, 13, 1, false}, kNoDate}, LunarSolarCase{{}, kNoDate}));

TEST(LunarToSolar, RoundTripsEverySolarDayOfLunar1901To2099)
{
    for (QDate d(1901, 2, 19); d < QDate(2100, 1, 1); d = d.addDays(1)) {
        const LunarDate lunar = SolarToLunar(d);
        ASSERT_TRUE(IsValidLunarDate(lunar)) << d.toString(Qt::ISODate).toStdString();
        ASSERT_EQ(LunarToSolar(lunar), d) << d.toString(Qt::ISODate).toStdString();
    }
}

TEST(LunarLengths, YearLengths)
{
    EXPECT_EQ(LunarYearDays(1900), 384);
    EXPECT_EQ(LunarYearDays(1984), 384);
    EXPECT_EQ(LunarYearDays(2000), 354);
    EXPECT_EQ(LunarYearDays(2100), 354);
    // every year of the table spans from its new year to the next
    for (int y = 1901; y < 2099; ++y)
        ASSERT_EQ(LunarToSolar({y, 1, 1, false}).daysTo(LunarToSolar({y + 1, 1, 1, false})), LunarYearDays(y)) << y;
}

TEST(LunarLengths, LeapMonths)
{
    EXPECT_EQ(LeapMonthOf(2023), 2);
    EXPECT_EQ(LeapMonthDays(2023), 29);
    EXPECT_EQ(LeapMonthOf(1906), 4);
    EXPECT_EQ(LeapMonthDays(1906), 30);  // the word of 1907 ends in F
    EXPECT_EQ(LeapMonthOf(1907), 0);     // F marks no leap month of its own
    EXPECT_EQ(LeapMonthDays(1907), 0);
    EXPECT_EQ(LeapMonthOf(2024), 0);
    EXPECT_EQ(LeapMonthDays(2100), 0);   // no word after 2100 is needed
}

TEST(LunarLengths, MonthLengthsReadTheirBits)
{
    // The word of 2023 is 0x5B52.
    EXPECT_EQ(LunarMonthDays(2023, 1), 29);  // bit 15 is 0
    EXPECT_EQ(LunarMonthDays(2023, 2), 30);  // bit 14 is 1
    EXPECT_EQ(LunarMonthDays(2023, 0), LunarMonthDays(2023, 1));
    EXPECT_EQ(LunarMonthDays(2023, -5), LunarMonthDays(2023, 1));
    EXPECT_EQ(LunarMonthDays(2023, 40), 29);
    EXPECT_EQ(LunarMonthDays(1800, 1), 29);  // outside the table: no word is read
}

}  // namespace
