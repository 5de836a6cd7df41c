// The rules behind the generated tables and the pillar arithmetic.
#include "calendar/ganzhi.h"
#include "calendar/hidden_stems.h"
#include "calendar/nayin.h"
#include "calendar/pillar_rules.h"
#include "calendar/ten_gods.h"

#include "tests/support/qt_printers.h"
#include "tests/support/value_printers.h"

#include <gtest/gtest.h>

namespace {

QString str(const char* utf8) { return QString::fromUtf8(utf8); }

TEST(TenGodByRule, AllTenRelationsOfOneDayStem)
{
    // day stem 甲 (yang wood) against 甲 … 癸
    const char* expected[10] = {"比肩", "劫财", "食神", "伤官", "偏财", "正财", "七杀", "正官", "偏印", "正印"};
    for (int stem = 0; stem < 10; ++stem) EXPECT_EQ(TenGodByRule(0, stem), str(expected[stem])) << stem;
}

TEST(TenGodByRule, YinDayStems)
{
    const struct {
        const char* day;
        const char* stem;
        const char* god;
    } cases[] = {
        {"乙", "甲", "劫财"}, {"乙", "丙", "伤官"}, {"乙", "丁", "食神"}, {"癸", "戊", "正官"}, {"癸", "己", "七杀"},
        {"癸", "庚", "正印"}, {"癸", "辛", "偏印"}, {"己", "壬", "正财"}, {"己", "癸", "偏财"}, {"辛", "辛", "比肩"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TenGodByRule(StemIndex(str(c.day)), StemIndex(str(c.stem))), str(c.god)) << c.day << c.stem;
}

TEST(Nayin, PairsShareANameAndItsLastCharacterIsTheElement)
{
    EXPECT_EQ(NayinName(0), str("海中金"));
    EXPECT_EQ(NayinName(1), str("海中金"));
    EXPECT_EQ(NayinName(SexagenaryNumber(StemIndex(str("戊")), BranchIndex(str("午")))), str("天上火"));
    EXPECT_EQ(NayinName(SexagenaryNumber(StemIndex(str("庚")), BranchIndex(str("午")))), str("路旁土"));
    EXPECT_EQ(NayinName(59), str("大海水"));
    EXPECT_EQ(NayinElement(59), str("水"));
    for (int n = 0; n < 60; ++n) EXPECT_TRUE(str("金木水火土").contains(NayinElement(n))) << n;
}

TEST(Ganzhi, SexagenaryNumbers)
{
    EXPECT_EQ(SexagenaryText(0), str("甲子"));
    EXPECT_EQ(SexagenaryText(54), str("戊午"));
    EXPECT_EQ(SexagenaryText(-1), str("癸亥"));
    for (int n = 0; n < 60; ++n) EXPECT_EQ(SexagenaryNumber(n % 10, n % 12), n);
    EXPECT_EQ(SexagenaryNumber(0, 1), -1);  // 甲丑 is no pair of the cycle
    EXPECT_EQ(StemIndex(str("癸")), 9);
    EXPECT_EQ(BranchIndex(str("亥")), 11);
    EXPECT_EQ(StemIndex(str("子")), -1);
    EXPECT_EQ(NumeralText(0), QString());
    EXPECT_EQ(NumeralText(10), str("十"));
}

TEST(HiddenStems, TableOfTheTwelveBranches)
{
    const char* expected[12] = {"癸", "癸辛己", "甲丙戊", "乙", "乙戊癸", "庚丙戊", "己丁", "乙己丁", "戊庚壬", "辛", "辛丁戊", "壬甲"};
    for (int b = 0; b < 12; ++b) EXPECT_EQ(HiddenStems::of(b).text(), str(expected[b])) << b;
    EXPECT_EQ(HiddenStems::of(12), HiddenStems::of(0));
}

TEST(PillarRules, FixedMonthBoundaries)
{
    const struct {
        int key;
        int branch;
    } cases[] = {{101, 0},  {105, 0},  {106, 1},  {203, 1},  {204, 2},  {305, 2},   {306, 3},   {404, 3},  {405, 4},
                 {504, 4},  {505, 5},  {605, 5},  {606, 6},  {706, 6},  {707, 7},   {807, 7},   {808, 8},  {907, 8},
                 {908, 9},  {1007, 9}, {1008, 10}, {1106, 10}, {1107, 11}, {1207, 11}, {1208, 0}, {1231, 0}};
    for (const auto& c : cases) EXPECT_EQ(FixedMonthBranch(c.key), c.branch) << c.key;
    EXPECT_EQ(DateKey(2, 4, true), 203);
    EXPECT_EQ(FixedPillarYear(1984, 203), 1983);
    EXPECT_EQ(FixedPillarYear(1984, 204), 1984);
}

TEST(PillarRules, DayAndHourPillars)
{
    EXPECT_EQ(SexagenaryText(DaySexagenary(QDate(1900, 2, 20))), str("甲子"));
    EXPECT_EQ(SexagenaryText(DaySexagenary(QDate(2000, 1, 1))), str("戊午"));
    // consecutive days, also across a century that is no leap year
    EXPECT_EQ((DaySexagenary(QDate(1900, 3, 1)) - DaySexagenary(QDate(1900, 2, 28)) + 60) % 60, 1);
    EXPECT_EQ((DaySexagenary(QDate(2000, 3, 1)) - DaySexagenary(QDate(2000, 2, 28)) + 60) % 60, 2);
    // a year typed with many digits still steps one number a day from 2000-01-01 (戊午, 54)
    for (const QDate far : {QDate(683942100, 10, 3), QDate(-683942100, 10, 3), QDate(1, 1, 1)})
        EXPECT_EQ(DaySexagenary(far), ((54 + QDate(2000, 1, 1).daysTo(far)) % 60 + 60) % 60) << far.year();
    for (int h = 0; h < 24; ++h) EXPECT_EQ(HourBranchOf(h), ((h + 1) / 2) % 12) << h;
    EXPECT_EQ(HourBranchOf(23), 0);
    EXPECT_EQ(HourStemFor(4, 0), 8);  // a 戊 day starts with 壬子
    EXPECT_EQ(MonthStemFor(0, 2), 2);  // 甲 year: 丙寅
    EXPECT_EQ(MonthStemFor(9, 1), 1);  // 癸 year: 乙丑
    EXPECT_TRUE(IsImpossibleBirthDay(2, 30));
    EXPECT_FALSE(IsImpossibleBirthDay(2, 29));
    EXPECT_TRUE(IsImpossibleBirthDay(11, 31));
    EXPECT_FALSE(IsImpossibleBirthDay(12, 31));
}

}  // namespace
