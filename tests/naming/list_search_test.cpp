#include "naming/idiom_list.h"
#include "naming/list_run.h"
#include "naming/list_search.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

ListSearchOptions boyWang()
{
    ListSearchOptions o;
    o.surnameBox = "王";
    o.sex = ChildSex::Boy;
    return o;
}

ListResult search(const ListSearchOptions& o, QString missing = {})
{
    auto result = RunListSearch(o, missing);
    if (!result) ADD_FAILURE() << result.error().message.toStdString();
    return result ? *result : ListResult({}, {});
}

QStringList givenNames(const ListResult& r)
{
    QStringList names;
    for (int row = 1; row <= r.rowCount(); ++row) names << r.givenName(row);
    return names;
}

}  // namespace

TEST(ListSearch, TheDefaultSearchListsTwoCharacterNamesOfCombinationsAboveTheMinimum)
{
    BuiltDbs dbs;
    const ListResult r = search(boyWang());
    ASSERT_GT(r.rowCount(), 1000);
    EXPECT_LE(r.rowCount(), kListRowLimit);
    for (int row = 1; row <= r.rowCount(); row += 97) {
        EXPECT_GE(r.score(row), 70) << row;
        const QStringList cells = cellTexts(r.row(row, 7));
        EXPECT_EQ(cells[0], "7");
        EXPECT_EQ(cells[1], "王" + r.givenName(row));
        EXPECT_EQ(r.givenName(row).size(), 2);
        EXPECT_TRUE(cells[2].startsWith("王")) << cells[2].toStdString();
        // The surname's first reading, then one syllable per given-name character.
        EXPECT_TRUE(cells[3].startsWith("wáng-")) << cells[3].toStdString();
        EXPECT_EQ(cells[3].count(u'-'), 2) << cells[3].toStdString();
        EXPECT_TRUE(cells[4].startsWith("土")) << cells[4].toStdString();
        EXPECT_TRUE(cells[5].startsWith("4,")) << cells[5].toStdString();
        EXPECT_EQ(cells[5].count(u','), 2);
        EXPECT_EQ(cells[6].count(u'-'), 4) << cells[6].toStdString();  // 天-人-地-总-外
        EXPECT_EQ(cells[7].size(), 3);
        EXPECT_EQ(cells[8], QString::number(r.score(row)));
        // High-score list lines of these modes carry no "分".
        EXPECT_EQ(pickLine(r.row(row)), "王" + r.givenName(row) + "(" + cells[8] + ")");
    }
}

TEST(ListSearch, InTheIdiomModeEveryGivenNameCharacterOccursInTheIdiomList)
{
    BuiltDbs dbs;
    ListSearchOptions o = boyWang();
    o.mode = ListMode::Idiom;
    const ListResult r = search(o);
    ASSERT_GT(r.rowCount(), 100);
    const QStringList chars = distinctCharacters(idiomText());
    const QSet<QString> inList(chars.begin(), chars.end());
    for (const QString& given : givenNames(r))
        for (const QString& zi : distinctCharacters(given)) EXPECT_TRUE(inList.contains(zi)) << given.toStdString();
    const QStringList all = givenNames(search(boyWang()));
    EXPECT_LT(r.rowCount(), int(all.size()));
}

TEST(ListSearch, AnIdiomResultCutByTheRowLimitKeepsTheRowsOfTheOriginalJoinOrder)
{
    BuiltDbs dbs;
    ListSearchOptions o = boyWang();
    o.surnameBox = "法正";  // strokes 9-5: the idiom mode finds more than 100,000 names
    o.mode = ListMode::Idiom;
    o.minScoreChecked = false;
    QString missing;
    const auto r = RunListSearch(o, missing);
    ASSERT_TRUE(r);
    ASSERT_EQ(r->rowCount(), kListRowLimit);

    const SurnameInfo info = lookupSurnameInfo(o.surnameBox);
    auto query = listQueryFor(o, {}, {}, info);
    ASSERT_TRUE(query);
    query->idiomText = idiomText();
    query->idiomMatch = IdiomMatch::Lookup;
    const ListResult lookup = runListStatement(buildListStatement(*query), o.surnameBox, info);
    for (int row = 1; row <= kListRowLimit; row += 1009) EXPECT_EQ(r->givenName(row), lookup.givenName(row)) << row;
}

TEST(ListSearch, TheMinimumScoreAndThePlanCountFollowTheOptions)
{
    const struct {
        const char* why;
        bool checked;
        const char* minText;
        bool twoChar;
        const char* fixed;
        int M, T;
    } cases[] = {
        {"只起 70: above 69", true, "70", true, "", 69, 50},
        {"只起 unchecked: above 60, whatever the box says", false, "abc", true, "", 60, 50},
        {"只起 with its box empty: no minimum, as for the plans", true, " ", true, "", 60, 50},
        {"a fixed character widens two-character names to 500 plans", false, "70", true, "明", 60, 500},
        {"one-character names always take 500", true, " 85 ", false, "", 84, 500},
        {"one-character names ignore a fixed character", true, "70", false, "明", 69, 500},
    };
    for (const auto& c : cases) {
        ListSearchOptions o = boyWang();
        o.minScoreChecked = c.checked;
        o.minScoreText = c.minText;
        o.length = c.twoChar ? NameLength::Double : NameLength::Single;
        o.fixedChar = c.fixed;
        const auto q = listQueryFor(o, {}, {}, {});
        ASSERT_TRUE(q) << c.why;
        EXPECT_EQ(q->minScore, c.M) << c.why;
        EXPECT_EQ(q->planCount, c.T) << c.why;
        EXPECT_EQ(q->fixedChar.isEmpty(), !c.twoChar || QString(c.fixed).isEmpty()) << c.why;
    }
}

TEST(ListSearch, AFixedCharacterAtTheThirdPlaceEndsEveryName)
{
    BuiltDbs dbs;
    ListSearchOptions o = boyWang();
    o.fixedChar = " 明 ";
    o.fixedAt = FixedPosition::Third;
    o.minScoreChecked = false;  // leaving Gudingzi unchecks 只起
    const ListResult r = search(o);
    ASSERT_GT(r.rowCount(), 0);
    for (const QString& given : givenNames(r)) EXPECT_TRUE(given.endsWith("明")) << given.toStdString();
}

TEST(ListSearch, AFixedCharacterOfAnotherElementCancelsThePreferredElements)
{
    BuiltDbs dbs;
    ListSearchOptions o = boyWang();
    o.fixedChar = "炎";  // 火
    o.fixedAt = FixedPosition::Third;
    o.minScoreChecked = false;
    const QStringList plain = givenNames(search(o));
    o.matchElements = true;
    QString missing = "木水";
    auto preferring = RunListSearch(o, missing);
    ASSERT_TRUE(preferring);
    EXPECT_EQ(givenNames(*preferring), plain);
    EXPECT_EQ(missing, "木水");  // 王 is 土, so nothing was taken out

    // With a fixed character of a preferred element the preference holds.
    o.fixedChar = "林";  // 木
    missing = "木水";
    auto kept = RunListSearch(o, missing);
    ASSERT_TRUE(kept);
    ASSERT_GT(kept->rowCount(), 0);
    for (int row = 1; row <= kept->rowCount(); ++row)
        EXPECT_TRUE(cellText(kept->row(row, row), ListColumn::Elements).endsWith("水木")) << row;
}

TEST(ListSearch, AChosenPlanNarrowsToItsStrokes)
{
    BuiltDbs dbs;
    ListSearchOptions o = boyWang();
    o.planText = " 4|1-6(99分) ";  // the first plan for 王: 王 + 一 stroke + six strokes
    const ListResult r = search(o);
    ASSERT_GT(r.rowCount(), 0);
    for (int row = 1; row <= r.rowCount(); ++row) EXPECT_EQ(cellText(r.row(row, row), ListColumn::Strokes), "4,1,6") << row;
    o.planText = "4|11-24(99分)";  // two digits after the dash
    const ListResult r2 = search(o);
    ASSERT_GT(r2.rowCount(), 0);
    EXPECT_EQ(cellText(r2.row(1, 1), ListColumn::Strokes), "4,11,24");
}

TEST(ListSearch, ACompoundSurnameShowsBothOfItsCharacters)
{
    BuiltDbs dbs;
    ListSearchOptions o = boyWang();
    o.surnameBox = "欧阳";
    o.length = NameLength::Single;
    const ListResult r = search(o);
    ASSERT_GT(r.rowCount(), 0);
    EXPECT_EQ(cellText(r.row(1, 1), ListColumn::Name), "欧阳" + r.givenName(1));
    EXPECT_TRUE(cellText(r.row(1, 1), ListColumn::Traditional).startsWith("歐陽"));
    EXPECT_TRUE(cellText(r.row(1, 1), ListColumn::Pinyin).startsWith("ōuyáng-"));
    EXPECT_TRUE(cellText(r.row(1, 1), ListColumn::Strokes).startsWith("15,17,"));
    EXPECT_EQ(cellText(r.row(1, 1), ListColumn::Strokes).count(u','), 2);
}

TEST(ListSearch, BadOptionsAreRefusedAndANarrowSearchFindsNothing)
{
    BuiltDbs dbs;
    const struct {
        const char* why;
        void (*change)(ListSearchOptions&);
    } refused[] = {
        {"a surname box of three bytes", [](ListSearchOptions& o) { o.surnameBox = "王 "; }},
        {"an empty surname box", [](ListSearchOptions& o) { o.surnameBox = ""; }},
        {"a minimum that is no number", [](ListSearchOptions& o) { o.minScoreText = "abc"; }},
        {"a plan that does not parse", [](ListSearchOptions& o) { o.planText = "七|八"; }},
    };
    for (const auto& c : refused) {
        ListSearchOptions o = boyWang();
        c.change(o);
        QString missing;
        const auto r = RunListSearch(o, missing);
        ASSERT_FALSE(r) << c.why;
        EXPECT_EQ(r.error().kind, ListSearchError::BadInput) << c.why;
    }
    ListSearchOptions o = boyWang();
    o.planText = "4|8-14(88分)";
    o.fixedChar = "龙";  // 16 strokes, not 8
    o.minScoreChecked = false;
    EXPECT_EQ(search(o).rowCount(), 0);
}

TEST(ListSearch, AMissingDictionaryIsAFileFailure)
{
    FixtureDbs dbs;
    QString missing;
    const auto r = RunListSearch(boyWang(), missing);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().kind, ListSearchError::FileUnreadable);
}
