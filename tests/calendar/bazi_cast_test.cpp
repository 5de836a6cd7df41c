// Casting the four pillars: the fixed-date rules against a table without solar terms, the true
// term boundaries against the built table, the luck cycle and its start age.
#include "calendar/bazi_cast.h"
#include "calendar/beijing_time.h"
#include "calendar/jie_lookup.h"
#include "calendar/luck_cycle.h"

#include "tests/support/fixture_db.h"

#include "tests/support/qt_printers.h"
#include "tests/support/value_printers.h"

#include <gtest/gtest.h>

namespace {

QString str(const char* utf8) { return QString::fromUtf8(utf8); }

QString pillarsOf(const BaziChart& c)
{
    return c.yearPillar.text() + u' ' + c.monthPillar.text() + u' ' + c.dayPillar.text() + u' ' + c.hourPillar.text();
}

BaziChart cast(int y, int m, int d, int h, int mi, const char* sex)
{
    const auto chart = CastBaziChart(y, m, d, h, mi, SexOfText(str(sex)));
    if (!chart) {
        ADD_FAILURE() << "not cast: " << chart.error().toStdString();
        return {};
    }
    return chart.value();
}

struct Birth {
    int y, m, d, h, mi;
    const char* sex;
    const char* pillars;  // year month day hour, blank-separated
};

std::ostream& operator<<(std::ostream& os, const Birth& b)
{
    return os << b.y << '-' << b.m << '-' << b.d << ' ' << b.h << ':' << b.mi;
}

// Fixed 节 dates decide when the table holds no solar terms.
class FixedDateCharts : public ::testing::TestWithParam<Birth> {
protected:
    FixtureDbs dbs;
    void SetUp() override { dbs.create(Db::Tgcode); }
};

TEST_P(FixedDateCharts, CastsThePillars)
{
    const Birth& b = GetParam();
    EXPECT_EQ(pillarsOf(cast(b.y, b.m, b.d, b.h, b.mi, b.sex)), str(b.pillars));
}

INSTANTIATE_TEST_SUITE_P(
    NoTermTable, FixedDateCharts,
    ::testing::Values(
        Birth{1984, 2, 4, 12, 0, "男", "甲子 丙寅 戊辰 戊午"}, Birth{1984, 2, 3, 12, 0, "男", "癸亥 乙丑 丁卯 丙午"},
        Birth{2000, 1, 1, 0, 0, "男", "己卯 丙子 戊午 壬子"},
        // from 23:00 the next day's 子 hour has begun: its stem, while the day pillar stays (晚子时)
        Birth{2000, 1, 1, 23, 30, "男", "己卯 丙子 戊午 甲子"}, Birth{1980, 1, 1, 0, 0, "女", "己未 丙子 癸酉 壬子"},
        Birth{1990, 6, 15, 8, 30, "男", "庚午 壬午 辛亥 壬辰"},
        // 4 February opens 寅 and the new year whatever the real 立春 (3 February 2025, 22:10)
        Birth{2025, 2, 4, 0, 10, "女", "乙巳 戊寅 甲辰 甲子"}, Birth{2025, 2, 3, 23, 0, "女", "甲辰 丁丑 癸卯 甲子"},
        // the fixed month boundaries on both sides: 6 January opens 丑, 8 December 子
        Birth{2024, 1, 5, 12, 0, "男", "癸卯 甲子 戊辰 戊午"}, Birth{2024, 1, 6, 12, 0, "男", "癸卯 乙丑 己巳 庚午"},
        Birth{2023, 12, 7, 12, 0, "男", "癸卯 癸亥 己亥 庚午"}, Birth{2023, 12, 8, 12, 0, "男", "癸卯 甲子 庚子 壬午"}));

TEST(CastBaziChart, ForwardsWithAThirtyDayStart)
{
    FixtureDbs dbs;
    dbs.create(Db::Tgcode);
    const BaziChart c = cast(1984, 2, 4, 12, 0, "男");
    EXPECT_FALSE(c.Backward);
    EXPECT_EQ(c.StartAge, 10);  // 惊蛰 is 30 days on
    EXPECT_EQ(LuckPillarsTextOf(c.LuckPillars), str("丙寅   丁卯   戊辰   己巳   庚午   辛未   壬申   癸酉   甲戌   乙亥"));
    EXPECT_EQ(c.LuckPillars.front(), c.monthPillar);
    EXPECT_EQ(c.Conception.text(), str("丁巳"));
    EXPECT_FALSE(c.BornBeforeJie);
}

TEST(CastBaziChart, BackwardsForAMaleOfAYinYear)
{
    FixtureDbs dbs;
    dbs.create(Db::Tgcode);
    const BaziChart c = cast(1984, 2, 3, 12, 0, "男");
    EXPECT_TRUE(c.Backward);  // 癸 is yin
    EXPECT_EQ(c.StartAge, 10);  // 28 days back to 小寒
    EXPECT_EQ(LuckPillarsTextOf(c.LuckPillars).left(7), str("乙丑   甲子"));
}

TEST(CastBaziChart, FemaleOfAYinYearRunsForwards)
{
    FixtureDbs dbs;
    dbs.create(Db::Tgcode);
    const BaziChart c = cast(1980, 1, 1, 0, 0, "女");
    EXPECT_FALSE(c.Backward);  // 己 is yin
    EXPECT_EQ(c.StartAge, 2);  // 小寒 5 days on
    EXPECT_EQ(c.Conception.text(), str("丁卯"));
}

TEST(CastBaziChart, StartAgeAndHiddenStems)
{
    FixtureDbs dbs;
    dbs.create(Db::Tgcode);
    const BaziChart c = cast(1990, 6, 15, 8, 30, "男");
    EXPECT_EQ(c.StartAge, 8);  // 22 days to 小暑
    EXPECT_EQ(c.HiddenYear.text(), str("己丁"));
    EXPECT_EQ(c.HiddenMonth.text(), str("己丁"));
    EXPECT_EQ(c.HiddenDay.text(), str("壬甲"));
    EXPECT_EQ(c.HiddenHour.text(), str("乙戊癸"));
    QString eight;
    for (const Pillar& p : {c.yearPillar, c.monthPillar, c.dayPillar, c.hourPillar}) eight += p.stemText() + p.branchText();
    EXPECT_EQ(eight, str("庚午壬午辛亥壬辰"));
}

TEST(CastBaziChart, HiddenMonthFollowsTheSolarMonth)
{
    FixtureDbs dbs;
    dbs.create(Db::Tgcode);
    // 2 January is still a 子 month, but January counts as 丑; December as 子.
    EXPECT_EQ(cast(2024, 1, 2, 12, 0, "男").HiddenMonth.text(), str("癸辛己"));
    EXPECT_EQ(cast(2024, 12, 30, 12, 0, "男").HiddenMonth.text(), str("癸"));
}

TEST(CastBaziChart, StartAgeStopsAtTen)
{
    FixtureDbs dbs;
    dbs.create(Db::Tgcode);
    // On the mean-term clock 小暑 1990 falls on 7 July and 立秋 32 days later; 1990 is a 庚 (yang)
    // year, so a boy runs forwards and a girl backwards.
    const struct {
        int m, d;
        const char* sex;
    } cases[] = {{7, 7, "男"}, {7, 8, "男"}, {8, 8, "女"}};
    for (const auto& c : cases) EXPECT_EQ(cast(1990, c.m, c.d, 12, 0, c.sex).StartAge, 10) << c.m << '-' << c.d;
}

TEST(CastBaziChart, ImpossibleDaysAreRefused)
{
    FixtureDbs dbs;
    dbs.create(Db::Tgcode);
    for (auto [m, d] : {std::pair{2, 30}, {2, 31}, {4, 31}, {6, 31}, {9, 31}, {11, 31}, {2, 29}}) {
        const auto chart = CastBaziChart(2023, m, d, 12, 0, Sex::Male);
        ASSERT_FALSE(chart.hasValue()) << m << '-' << d;
        EXPECT_EQ(chart.error(), str("请检查输入数据是否出错！"));
    }
    EXPECT_TRUE(CastBaziChart(2024, 2, 29, 12, 0, Sex::Male).hasValue());
}

// A table with single solar terms, to see which rule decides.
class TermRows : public ::testing::Test {
protected:
    FixtureDbs dbs;
    void addTerm(int year, const char* name, const char* moment)
    {
        dbs.exec(Db::Tgcode, QStringLiteral("insert into JQ (YearA, JQ, SJ) values (%1, '%2', '%3')")
                                 .arg(year)
                                 .arg(str(name), str(moment)));
    }
};

TEST_F(TermRows, BirthBeforeTheTermOfItsDay)
{
    addTerm(1984, "立春", "1984-02-04 23:19:00");
    EXPECT_TRUE(BornBeforeJieMoment(1984, BeijingMoment(QDate(1984, 2, 4), QTime(12, 0))));
    EXPECT_FALSE(BornBeforeJieMoment(1984, BeijingMoment(QDate(1984, 2, 4), QTime(23, 19))));
    EXPECT_FALSE(BornBeforeJieMoment(1984, BeijingMoment(QDate(1984, 2, 3), QTime(12, 0))));
    EXPECT_FALSE(BornBeforeJieMoment(1985, BeijingMoment(QDate(1984, 2, 4), QTime(12, 0))));

    const BaziChart before = cast(1984, 2, 4, 12, 0, "男");
    EXPECT_TRUE(before.BornBeforeJie);
    EXPECT_EQ(pillarsOf(before), str("癸亥 乙丑 戊辰 戊午"));
    EXPECT_EQ(pillarsOf(cast(1984, 2, 4, 23, 30, "男")), str("甲子 丙寅 戊辰 甲子"));
}

TEST_F(TermRows, OnlyMonthOpeningTermsCount)
{
    addTerm(1984, "雨水", "1984-02-19 19:16:00");
    EXPECT_FALSE(BornBeforeJieMoment(1984, BeijingMoment(QDate(1984, 2, 19), QTime(12, 0))));
    EXPECT_FALSE(LatestJieAtOrBefore(BeijingMoment(QDate(1984, 2, 20), QTime(12, 0))).has_value());
}

TEST_F(TermRows, TheLatestTermOpensTheMonth)
{
    addTerm(1984, "惊蛰", "1984-03-05 17:25:00");
    // before the term the fixed dates decide, one day back because the term is on the birth day
    EXPECT_EQ(cast(1984, 3, 5, 12, 0, "男").monthPillar.text(), str("丙寅"));
    EXPECT_EQ(cast(1984, 3, 5, 18, 0, "男").monthPillar.text(), str("丁卯"));
    const auto jie = LatestJieAtOrBefore(BeijingMoment(QDate(1984, 3, 20), QTime(0, 0)));
    ASSERT_TRUE(jie.has_value());
    EXPECT_EQ(jie->name, str("惊蛰"));
    EXPECT_EQ(jie->yearA, 1984);
    EXPECT_EQ(MomentText(jie->moment), QStringLiteral("1984-03-05 17:25:00"));
}

TEST_F(TermRows, ATermMonthsAgoDoesNotDecide)
{
    addTerm(1984, "惊蛰", "1984-03-05 17:25:00");
    // no rows for April and May: the fixed dates give 辰 for 1 May
    EXPECT_EQ(cast(1984, 5, 1, 12, 0, "男").monthPillar.text(), str("戊辰"));
}

TEST_F(TermRows, XiaohanBelongsToThePreviousYear)
{
    addTerm(2025, "小寒", "2025-01-05 10:33:00");
    EXPECT_EQ(pillarsOf(cast(2025, 1, 5, 12, 0, "男")).left(5), str("甲辰 丁丑"));
}

TEST_F(TermRows, DaxueOpensTheZiMonthOfTheSameYear)
{
    addTerm(2023, "大雪", "2023-12-07 17:33:00");
    EXPECT_EQ(pillarsOf(cast(2023, 12, 7, 18, 0, "男")).left(5), str("癸卯 甲子"));
    // and still decides in the first days of January, before 小寒
    EXPECT_EQ(pillarsOf(cast(2024, 1, 2, 12, 0, "男")).left(5), str("癸卯 甲子"));
}

TEST(CastBaziChart, UnreadableTermTableFallsBackToFixedDates)
{
    FixtureDbs dbs;
    dbs.remove(Db::Tgcode);
    EXPECT_FALSE(BornBeforeJieMoment(1984, BeijingMoment(QDate(1984, 2, 4), QTime(12, 0))));
    EXPECT_EQ(pillarsOf(cast(1984, 2, 4, 12, 0, "男")), str("甲子 丙寅 戊辰 戊午"));
}

// The real table: the month and year turn at the true term, also where it is a day off the
// fixed date.
class TrueTermCharts : public ::testing::TestWithParam<Birth> {
protected:
    BuiltDbs dbs;
};

TEST_P(TrueTermCharts, CastsYearAndMonthPillars)
{
    const Birth& b = GetParam();
    const QString expected = str(b.pillars);
    EXPECT_EQ(pillarsOf(cast(b.y, b.m, b.d, b.h, b.mi, b.sex)).left(expected.size()), expected) << b;
}

INSTANTIATE_TEST_SUITE_P(
    BuiltTermTable, TrueTermCharts,
    ::testing::Values(
        // 立春 1984 at 23:19 on 4 February
        Birth{1984, 2, 4, 12, 0, "男", "癸亥 乙丑 戊辰 戊午"}, Birth{1984, 2, 4, 23, 40, "男", "甲子 丙寅 戊辰 甲子"},
        // 立春 2025 on 3 February, 22:10: the new year begins a day before the fixed date
        Birth{2025, 2, 3, 21, 0, "男", "甲辰 丁丑"}, Birth{2025, 2, 3, 23, 0, "男", "乙巳 戊寅"},
        // 小寒 2025 on 5 January, 10:33
        Birth{2025, 1, 5, 12, 0, "男", "甲辰 丁丑"},
        // 立冬 2023 on 8 November, 00:36: 7 November is still 戌
        Birth{2023, 11, 7, 12, 0, "男", "癸卯 壬戌"}, Birth{2023, 11, 8, 12, 0, "男", "癸卯 癸亥"},
        // 惊蛰 2024 on 5 March, 10:23
        Birth{2024, 3, 5, 9, 0, "男", "甲辰 丙寅"}, Birth{2024, 3, 5, 12, 0, "男", "甲辰 丁卯"}));

}  // namespace
