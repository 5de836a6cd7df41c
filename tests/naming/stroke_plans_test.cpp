#include "data/db_error.h"
#include "naming/stroke_plans.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

// A dictionary with a few surnames and fixed characters, and zh rows for 王 (4 strokes) and 欧阳
// (15-17): hand-made rows whose order is known, and a block of 6 × 6 patterns per kind whose score
// and jxjx follow a formula, to reach the limits.
struct StrokePlanFixture : ::testing::Test {
    FixtureDbs dbs;
    StrokePlanFixture()
    {
        dbs.exec(Db::Velmora, "insert into word (zi, ft, bh) values ('王', '王', 4), ('欧', '歐', 15), ('阳', '陽', 17),"
                              " ('明', '明', 8), ('华', '華', 14), ('馨', '馨', 20);");
        dbs.exec(Db::Velmora, R"(
            with recursive n(v) as (select 1 union all select v + 1 from n where v < 30)
            insert into zh (lx, bh11, bh12, bh21, bh22, zf, jxjx)
            select 12, 4, 0, a.v, b.v, 60 + (a.v * 7 + b.v * 3) % 40, 1 + (a.v + b.v) % 4 from n a, n b;
            with recursive n(v) as (select 1 union all select v + 1 from n where v < 30)
            insert into zh (lx, bh11, bh12, bh21, bh22, zf, jxjx)
            select 11, 4, 0, v, 0, 50 + (v * 7) % 50, 1 + v % 3 from n;
            insert into zh (lx, bh11, bh12, bh21, bh22, zf, jxjx) values
              (21, 15, 17, 7, 0, 81, 2), (21, 15, 17, 9, 0, 90, 1), (21, 15, 17, 3, 0, 60, 1),
              (22, 15, 17, 7, 12, 81, 1), (22, 15, 17, 8, 8, 75, 1), (22, 15, 17, 30, 8, 99, 1);)");
    }
};

StrokePlanOptions plansOf(const char* surname, NameLength length = NameLength::Double)
{
    StrokePlanOptions o;
    o.surname = QString::fromUtf8(surname);
    o.length = length;
    return o;
}

// zf and jxjx of the generated patterns of kind 12.
int scoreOf(int g1, int g2) { return 60 + (g1 * 7 + g2 * 3) % 40; }
int rankOf(int g1, int g2) { return 1 + (g1 + g2) % 4; }

}  // namespace

TEST_F(StrokePlanFixture, CompoundSurnamesUseBothStrokeCountsInTheirItems)
{
    EXPECT_EQ(StrokePlanItems(plansOf("欧阳")), (QStringList{"电脑全自动", "15-17|8-8(75分)", "15-17|7-12(81分)"}));
    EXPECT_EQ(StrokePlanItems(plansOf("欧阳", NameLength::Single)),
              (QStringList{"电脑全自动", "15-17|9(90分)", "15-17|7(81分)"}))
        << "60 is under the minimum; jxjx 1 before 2";
    EXPECT_EQ(StrokePlanItems(plansOf("歐陽修")), StrokePlanItems(plansOf("欧阳")))
        << "traditional forms have strokes too; a third character is ignored";
}

TEST_F(StrokePlanFixture, SingleSurnameListsItsBestPlansUpToTheLimitOfItsKind)
{
    const QStringList two = StrokePlanItems(plansOf(" 王 "));
    ASSERT_EQ(two.size(), 21);
    int lastRank = 0, lastScore = 0;
    for (const QString& item : two.mid(1)) {
        const auto plan = ReadStrokePlan(item, NameLength::Double);
        ASSERT_TRUE(plan) << item.toStdString();
        EXPECT_TRUE(item.startsWith("4|")) << item.toStdString();
        const int score = scoreOf(plan->g1, plan->g2), rank = rankOf(plan->g1, plan->g2);
        EXPECT_EQ(plan->scoreText, QStringLiteral("(%1分)").arg(score));
        EXPECT_GE(score, 70);
        EXPECT_TRUE(rank > lastRank || (rank == lastRank && score >= lastScore)) << item.toStdString();
        lastRank = rank;
        lastScore = score;
    }
    const QStringList one = StrokePlanItems(plansOf("王", NameLength::Single));
    EXPECT_EQ(one.size(), 1 + 14) << "24 patterns under 25 strokes, 14 of them at 70 or more";
    StrokePlanOptions all = plansOf("王", NameLength::Single);
    all.minimumScore.reset();
    EXPECT_EQ(StrokePlanItems(all).size(), 1 + 24);
    all.length = NameLength::Double;
    EXPECT_EQ(StrokePlanItems(all).size(), 1 + 20);
}

TEST_F(StrokePlanFixture, AFixedCharacterFixesItsStrokeAndRaisesTheLimitTo80)
{
    StrokePlanOptions o = plansOf("王");
    o.fixedChar = "明";  // 8 strokes
    o.minimumScore.reset();
    const QStringList second = StrokePlanItems(o);
    EXPECT_EQ(second.size(), 1 + 24) << "more than 20: every second stroke under 25";
    for (const QString& item : second.mid(1)) EXPECT_TRUE(item.startsWith("4|8-")) << item.toStdString();

    o.fixedAt = FixedPosition::Third;
    o.fixedChar = "華";  // traditional form, 14 strokes
    for (const QString& item : StrokePlanItems(o).mid(1)) EXPECT_TRUE(item.contains("-14(")) << item.toStdString();

    o.fixedChar.clear();
    EXPECT_EQ(StrokePlanItems(o).size(), 1 + 20) << "without the character, back to 20";
    o.fixedChar = "鑫";  // not in the dictionary: no stroke restriction
    EXPECT_EQ(StrokePlanItems(o).size(), 1 + 20);
}

TEST_F(StrokePlanFixture, ASurnameWithoutStrokesHasOnlyTheAutomaticItem)
{
    EXPECT_EQ(StrokePlanItems(plansOf("龘")), QStringList{"电脑全自动"});
    EXPECT_EQ(StrokePlanItems(plansOf("")), QStringList{"电脑全自动"});
}

TEST(StrokePlanFile, AMissingDictionaryIsAnError)
{
    FixtureDbs dbs;
    EXPECT_THROW(StrokePlanItems(plansOf("王")), DbError);
}

TEST(StrokePlanItem, ReadsTheGivenNameStrokesAndTheScoreText)
{
    const struct { const char* item; NameLength length; int g1, g2; const char* score; } good[] = {
        {"7|8-10(85分)", NameLength::Double, 8, 10, "(85分)"},
        {"7|8-9(81分)", NameLength::Double, 8, 9, "(81分)"},
        {"8-9|7-12(81分)", NameLength::Double, 7, 12, "(81分)"},
        {" 7|8(85分) ", NameLength::Single, 8, 0, "(85分)"},
        {"8-9|7(100分)", NameLength::Single, 7, 0, "(100分)"},
    };
    for (const auto& c : good) {
        const auto plan = ReadStrokePlan(QString::fromUtf8(c.item), c.length);
        ASSERT_TRUE(plan) << c.item;
        EXPECT_EQ(plan->g1, c.g1) << c.item;
        EXPECT_EQ(plan->g2, c.g2) << c.item;
        EXPECT_EQ(plan->scoreText, QString::fromUtf8(c.score)) << c.item;
    }
    const struct { const char* item; NameLength length; } bad[] = {
        {"电脑全自动", NameLength::Double}, {"", NameLength::Double}, {"7|8-10", NameLength::Double},
        {"7|x-10(85分)", NameLength::Double}, {"7|8(85分)", NameLength::Double}, {"7|8-10(85分)", NameLength::Single},
    };
    for (const auto& c : bad) EXPECT_FALSE(ReadStrokePlan(QString::fromUtf8(c.item), c.length)) << c.item;
}

TEST(StrokePlanItem, FormatsEachKind)
{
    EXPECT_EQ(formatPlanItem(11, 7, 0, "8", "0", "85"), "7|8(85分)");
    EXPECT_EQ(formatPlanItem(12, 7, 0, "8", "10", "85"), "7|8-10(85分)");
    EXPECT_EQ(formatPlanItem(21, 8, 9, "7", "0", "81"), "8-9|7(81分)");
    EXPECT_EQ(formatPlanItem(22, 8, 9, "7", "12", "81"), "8-9|7-12(81分)");
}

TEST(StrokePlanBuilt, WangWithTwoCharactersGetsTwentyGoodPlansFromTheRealTable)
{
    BuiltDbs dbs;
    const QStringList items = StrokePlanItems(plansOf("王"));
    ASSERT_EQ(items.size(), 21);
    for (const QString& item : items.mid(1)) {
        const auto plan = ReadStrokePlan(item, NameLength::Double);
        ASSERT_TRUE(plan) << item.toStdString();
        EXPECT_TRUE(item.startsWith("4|"));
        EXPECT_GE(plan->scoreText.mid(1, plan->scoreText.size() - 3).toInt(), 70) << item.toStdString();
    }
}
