#include "data/db_error.h"
#include "numerology/luck_numbers.h"
#include "numerology/name_score.h"
#include "tests/support/fixture_db.h"

#include <gtest/gtest.h>

TEST(NumberClass, MembershipIsExact)
{
    const struct { int n; Luck want; } cases[] = {{1, Luck::Lucky},   {11, Luck::Lucky},  {12, Luck::Unlucky},
                                                  {17, Luck::Mixed},  {81, Luck::Lucky},  {80, Luck::Unlucky},
                                                  {75, Luck::Mixed},  {0, Luck::None},    {82, Luck::None}};
    for (const auto& c : cases) EXPECT_EQ(NumberClass(c.n), c.want) << c.n;
    int lucky = 0, mixed = 0, unlucky = 0;
    for (int n = 1; n <= 81; ++n) {
        const Luck l = NumberClass(n);
        lucky += l == Luck::Lucky;
        mixed += l == Luck::Mixed;
        unlucky += l == Luck::Unlucky;
    }
    EXPECT_EQ(lucky + mixed + unlucky, 81);
    EXPECT_EQ(mixed, 14);
}

TEST(LuckNumbers, ElementsTitlesWeightsAndPrintedScores)
{
    EXPECT_EQ(ThreeTalentTitle(8, 19, 21), "金水木");
    EXPECT_EQ(ThreeTalentTitle(10, 20, 30), "水水水");
    EXPECT_EQ(ThreeTalentTitle(1, 3, 5), "木火土");
    const struct { int n; GridKind kind; double want; } weights[] = {
        {8, GridKind::Tian, 10}, {19, GridKind::Ren, 21}, {17, GridKind::Zong, 17},
        {6, GridKind::Wai, 8.5}, {0, GridKind::Ren, 0},   {82, GridKind::Di, 0}};
    for (const auto& w : weights) EXPECT_EQ(GridScore(w.n, w.kind), w.want) << w.n;
    EXPECT_EQ(formatScore(92), "92");
    EXPECT_EQ(formatScore(88.5), "88.5");
    EXPECT_EQ(formatScore(-1), "-1");
    EXPECT_EQ(gradeScore(1), 20);
    EXPECT_EQ(gradeScore(7), 12);
    EXPECT_EQ(gradeScore(0), -1);
}

TEST(LuckNumbers, ComputedScoreBounds)
{
    EXPECT_EQ(computedNameScore({5, 11, 11, 15, 5}, 20), 100);       // five lucky grids, grade 1
    EXPECT_EQ(computedNameScore({6, 17, 26, 27, 29}, -1), 67);       // five mixed grids, no title row
    EXPECT_EQ(computedNameScore({2, 4, 9, 10, 12}, -1), 55);         // five unlucky grids, no title row
    EXPECT_EQ(computedNameScore({0, 0, 0, 0, 0}, -1), -1);           // grid 0 scores 0
}

namespace {

// 李 7 with 雅 12 and 亮 9 gives 天格 8, 人格 19, 地格 21, 总格 28, 外格 10 and the title 金水木.
void fillNameFixture(FixtureDbs& dbs)
{
    dbs.exec(Db::Velmora, "insert into word (zi, ft, bh, pinyin, wuhang) values ('李', '李', 7, 'lǐ', '木'),"
                          " ('雅', '雅', 12, 'yǎ', '木'), ('亮', '亮', 9, 'liàng', '火'), ('王', '王', 4, 'wáng', '土');");
    dbs.create(Db::KelFile);
}

}  // namespace

TEST(NameScore, ComputedPathUsesTheGradeOfTheTitle)
{
    FixtureDbs dbs;
    fillNameFixture(dbs);
    EXPECT_EQ(NameScore("李", "雅亮"), 61);  // 62 and no row for 金水木
    dbs.exec(Db::KelFile, "insert into sancai values ('金水木', 2);");
    EXPECT_EQ(NameScore("李", "雅亮"), 80);
}

TEST(NameScore, AStoredPatternWinsUnlessItsScoreIsZero)
{
    FixtureDbs dbs;
    fillNameFixture(dbs);
    dbs.exec(Db::Velmora, "insert into zh values (12, 7, 0, 12, 9, 95, 1, '', ''), (11, 4, 0, 7, 0, 0, 1, '', '');");
    EXPECT_EQ(CombinationScore("李", "", "雅", "亮"), 95);
    EXPECT_EQ(NameScore("李", "雅亮"), 95);
    EXPECT_EQ(CombinationScore("王", "", "李", ""), 0);
    EXPECT_EQ(NameScore("王", "李"), 10 + 10 + 30 + 20 + 7 - 1);  // 天5 地8 人11 总11 外2, no title row
}

TEST(NameScore, FailuresFollowTheirConventions)
{
    FixtureDbs dbs;
    dbs.exec(Db::Velmora, "insert into word (zi, ft, bh) values ('李', '李', 7);");
    dbs.remove(Db::Velmora);
    EXPECT_EQ(CombinationScore("李", "", "雅", ""), 0);  // quiet
    EXPECT_THROW(ThreeTalentScore("金水木"), ActionAbandoned);
    EXPECT_THROW(NumberText(1, NumberField::Reading), ActionAbandoned);
    EXPECT_THROW(NameScore("李", "雅"), ActionAbandoned);  // computed path needs KelFile.dll
    EXPECT_THROW(threeTalentReading("金水木"), DbError);
}

TEST(NumberText, ColumnsByCodeAndABlankWithoutARow)
{
    FixtureDbs dbs;
    dbs.exec(Db::KelFile, R"(insert into "81" values (8, '（坚刚）意志坚定。', '（吉）', ' 暗示 ', '长文');)");
    EXPECT_EQ(NumberText(8, NumberField::Reading), "（坚刚）意志坚定。");
    EXPECT_EQ(NumberText(8, NumberField::LuckWord), "（吉）");
    EXPECT_EQ(NumberText(8, NumberField::Hint), " 暗示 ");  // untrimmed
    EXPECT_EQ(NumberText(8, NumberField::LongText), "长文");
    EXPECT_EQ(NumberText(0, NumberField::Reading) + NumberText(0, NumberField::LuckWord), "  ");
}
