#include "naming/classic_search.h"
#include "naming/preferred_elements.h"
#include "naming/spread_order.h"
#include "naming/stroke_plans.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

TEST(SpreadOrder, ReadsNineBandsInTurnThenTheRestInOrder)
{
    EXPECT_EQ(spreadPasses(5, kSinglePlanBands), (QList<QList<int>>{{1}, {2}, {3}, {4}, {5}})) << "fewer than nine";
    EXPECT_EQ(spreadPasses(18, kSinglePlanBands),
              (QList<QList<int>>{{1, 3, 5, 7, 9, 11, 13, 15, 17}, {2, 4, 6, 8, 10, 12, 14, 16, 18}}));
    EXPECT_EQ(spreadPasses(18, kAutomaticBands),
              (QList<QList<int>>{{11, 17, 1, 3, 15, 5, 13, 7, 9}, {12, 18, 2, 4, 16, 6, 14, 8, 10}}));
    EXPECT_EQ(spreadPasses(20, kSinglePlanBands),
              (QList<QList<int>>{{1, 3, 5, 7, 9, 11, 13, 15, 17}, {2, 4, 6, 8, 10, 12, 14, 16, 18}, {19}, {20}}));
    EXPECT_TRUE(spreadPasses(0, kAutomaticBands).isEmpty());
    for (int rows : {9, 26, 100, 1001}) {
        QList<int> all;
        for (const auto& pass : spreadPasses(rows, kAutomaticBands)) all += pass;
        std::sort(all.begin(), all.end());
        ASSERT_EQ(all.size(), rows);
        for (int i = 0; i < rows; ++i) EXPECT_EQ(all[i], i + 1) << rows << " rows: every row exactly once";
    }
}

TEST(PlanBatches, TakeEightPlansAtATime)
{
    QStringList plans;
    for (int i = 0; i < 20; ++i) plans << QString::number(i);
    QList<qsizetype> sizes;
    for (const auto& batch : planBatches(plans)) sizes << batch.size();
    EXPECT_EQ(sizes, (QList<qsizetype>{8, 8, 4}));
    EXPECT_EQ(planBatches(plans.mid(0, 16)).size(), 2);
    EXPECT_EQ(planBatches(plans.mid(0, 16)).back().front(), "8");
    EXPECT_TRUE(planBatches({}).isEmpty());
}

namespace {

// Two 8-stroke and two 10-stroke characters for each sex, some for either; one refused character of
// each count; the surname 王 and the fixed character 华 (14 strokes).
struct ClassicSearchFixture : ::testing::Test {
    FixtureDbs dbs;
    ClassicSearchFixture()
    {
        dbs.exec(Db::Velmora, R"(insert into word (zi, ft, bh, wuhang, nan, nv, xb, px, id, Aflag) values
            ('王', '王', 4, '土', 1, 1, '1', 1, 1, '1'),
            ('明', '明', 8, '水', 1, 0, '男', 10, 1, null),
            ('佳', '佳', 8, '木', 1, 1, '1', 20, 2, null),
            ('欣', '欣', 8, '木', 0, 1, '女', 30, 3, null),
            ('怪', '怪', 8, '木', 1, 1, '1', 40, 4, '1'),
            ('浩', '浩', 10, '水', 1, 0, '男', 5, 5, null),
            ('家', '家', 10, '木', 1, 1, '1', 15, 6, null),
            ('娟', '娟', 10, '木', 0, 1, '女', 25, 7, null),
            ('病', '病', 10, '水', 1, 1, '1', 35, 8, '1'),
            ('华', '華', 14, '水', 1, 0, '男', 50, 9, null);)");
    }

    static ClassicSearchOptions search(const char* plan, ChildSex sex = ChildSex::Boy,
                                       NameLength length = NameLength::Double)
    {
        ClassicSearchOptions o;
        o.surname = "王";
        o.sex = sex;
        o.length = length;
        o.planChoice = QString::fromUtf8(plan);
        return o;
    }
    static QStringList names(const ClassicSearchOptions& o, SearchEnd want = SearchEnd::Finished)
    {
        QStringList lines;
        const std::atomic_bool searching{true};
        EXPECT_EQ(RunClassicSearch(o, searching, [&](const QString& line) { lines << line; }), want);
        lines.sort();
        return lines;
    }
};

}  // namespace

TEST_F(ClassicSearchFixture, APlanGivesItsStrokesTheScoreAndACharacterMarkedForTheSex)
{
    EXPECT_EQ(names(search("7|8-10(85分)")), (QStringList{"王佳家(85分)", "王佳浩(85分)", "王明家(85分)", "王明浩(85分)"}))
        << "the second character is marked for boys; refused characters never come";
    EXPECT_EQ(names(search("7|8-10(85分)", ChildSex::Girl)),
              (QStringList{"王佳娟(85分)", "王佳家(85分)", "王欣娟(85分)", "王欣家(85分)"}));
    EXPECT_EQ(names(search("7|8(81分)", ChildSex::Boy, NameLength::Single)), (QStringList{"王佳(81分)", "王明(81分)"}));
}

TEST_F(ClassicSearchFixture, PreferredElementsMustAppearInTheName)
{
    ClassicSearchOptions o = search("7|8-10(85分)");
    o.element1 = "水";
    o.element2 = "木";
    EXPECT_EQ(names(o), (QStringList{"王佳浩(85分)", "王明家(85分)"})) << "both, in either order";
    o.element2.clear();
    EXPECT_EQ(names(o), (QStringList{"王佳浩(85分)", "王明家(85分)", "王明浩(85分)"})) << "one, in either place";

    ClassicSearchOptions single = search("7|8(81分)", ChildSex::Boy, NameLength::Single);
    single.element1 = "木";
    EXPECT_EQ(names(single), QStringList{"王佳(81分)"});
    single.element2 = "水";
    EXPECT_EQ(names(single).size(), 2);
}

TEST_F(ClassicSearchFixture, AFixedCharacterTakesItsPlaceWithItsOwnElement)
{
    ClassicSearchOptions o = search("7|8-14(90分)");
    o.fixedChar = "华";
    o.fixedAt = FixedPosition::Third;
    EXPECT_EQ(names(o), (QStringList{"王佳华(90分)", "王明华(90分)"}));
    o.element1 = "木";
    o.element2 = "水";
    EXPECT_EQ(names(o), QStringList{"王佳华(90分)"}) << "华 is water: only a wood first character completes the pair";

    o = search("7|14-10(90分)");
    o.fixedChar = "華";  // traditional form
    EXPECT_EQ(names(o), (QStringList{"王華家(90分)", "王華浩(90分)"}));
}

TEST_F(ClassicSearchFixture, TheAutomaticSearchRunsEveryPlanInBatches)
{
    ClassicSearchOptions o = search("电脑全自动");
    for (int i = 0; i < 9; ++i) o.plans << "4|8-10(8" + QString::number(i) + "分)";
    o.plans << "4|10-8(99分)";
    const QStringList lines = names(o);
    EXPECT_EQ(lines.size(), 10 * 4) << "ten plans, two statements, four names each";
    EXPECT_TRUE(lines.contains("王家明(99分)")) << "the plan of the second batch";
    EXPECT_TRUE(lines.contains("王明浩(88分)"));

    o.plans.clear();
    EXPECT_TRUE(names(o).isEmpty()) << "no plan, no statement";
}

TEST_F(ClassicSearchFixture, ValuesAreBoundNotPasted)
{
    ClassicSearchOptions o = search("7|8-10(85分)");
    o.surname = "O'Neil";
    EXPECT_EQ(names(o).front(), "O'Neil佳家(85分)");
    o = search("7|8-10(8'5分)");
    EXPECT_EQ(names(o).size(), 4);
}

TEST_F(ClassicSearchFixture, AnUnreadablePlanOrAMissingFileEndsSilently)
{
    EXPECT_TRUE(names(search(""), SearchEnd::Failed).isEmpty()) << "no plan list built yet";
    ClassicSearchOptions o = search("电脑全自动");
    o.plans = QStringList{"4|8-10(85分)", "garbage"};
    names(o, SearchEnd::Failed);
    dbs.remove(Db::Velmora);
    EXPECT_TRUE(names(search("7|8-10(85分)"), SearchEnd::Failed).isEmpty());
}

TEST(ClassicSearchBuilt, ClearingTheStopFlagEndsTheSearchAfterThePassOfNine)
{
    BuiltDbs dbs;
    StrokePlanOptions wang;
    wang.surname = "王";
    ClassicSearchOptions o;
    o.surname = "王";
    o.planChoice = StrokePlanItems(wang).at(1);
    std::atomic_bool searching{true};
    QStringList lines;
    EXPECT_EQ(RunClassicSearch(o, searching, [&](const QString& line) { lines << line; searching = false; }),
              SearchEnd::Stopped);
    EXPECT_EQ(lines.size(), 9);

    std::atomic_bool stopped{false};
    o.planChoice = kAutomaticPlan;
    o.plans = StrokePlanItems(wang).mid(1);
    EXPECT_EQ(RunClassicSearch(o, stopped, [](const QString&) { FAIL() << "a stopped search gives no line"; }),
              SearchEnd::Stopped);
}

TEST(PreferredElements, TheSurnamesElementsAreTakenOut)
{
    FixtureDbs dbs;
    dbs.exec(Db::Velmora, "insert into word (zi, ft, bh, wuhang) values ('王', '王', 4, '土'), ('林', '林', 8, '木'),"
                          " ('欧', '歐', 15, '土'), ('阳', '陽', 17, '土');");
    const struct { const char* missing; const char* surname; const char* remaining; const char* e1; const char* e2; } cases[] = {
        {"木水火", "王", "木水火", "木", "水"},
        {"木水火", "林", "水火", "水", "火"},
        {" 土木 ", "歐陽", "木", "木", ""},
        {"土", "王", "", "", ""},
        {"", "林", "", "", ""},
    };
    for (const auto& c : cases) {
        const PreferredElements p = narrowPreferredElements(QString::fromUtf8(c.missing), splitSurname(QString::fromUtf8(c.surname)));
        EXPECT_EQ(p.remaining, QString::fromUtf8(c.remaining)) << c.missing << c.surname;
        EXPECT_EQ(p.first, QString::fromUtf8(c.e1)) << c.missing << c.surname;
        EXPECT_EQ(p.second, QString::fromUtf8(c.e2)) << c.missing << c.surname;
    }
}
