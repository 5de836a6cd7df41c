#include "naming/idiom_list.h"
#include "naming/list_run.h"
#include "naming/list_search.h"
#include "naming/list_statement.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

// A small dictionary with characters inside and outside the idiom text below: 力 才 德 明 华 and
// 𫖯 (outside the basic plane) occur in it, 鑫 洋 晨 do not.
void fillDictionary(FixtureDbs& dbs)
{
    dbs.exec(Db::Velmora,
             "insert into word (zi, ft, bh, pinyin, wuhang, nan, nv, xb, px, id, Aflag) values"
             " ('王', '王', 4, 'wáng、wàng', '土', 1, 0, '男', 1, 1, null),"
             " ('力', '力', 2, 'lì', '火', 1, 0, '男', 2, 2, null),"
             " ('才', '才', 3, 'cái', '金', 1, 1, '1', 3, 3, null),"
             " ('明', '明', 8, 'míng', '火', 1, 1, '1', 4, 4, null),"
             " ('华', '華', 14, 'huá、huà', '水', 1, 1, '1', 5, 5, null),"
             " ('德', '德', 15, 'dé', '火', 1, 0, '男', 6, 6, null),"
             " ('鑫', '鑫', 24, 'xīn', '金', 1, 0, '男', 7, 7, null),"
             " ('洋', '洋', 10, 'yáng', '水', 1, 0, '男', 8, 8, null),"
             " ('晨', '晨', 11, 'chén', '金', 1, 1, '1', 9, 9, null),"
             " ('𫖯', '頫', 15, 'fǔ', '水', 1, 0, '男', 10, 10, null),"
             " ('冈', '岡', 8, 'gāng', '木', 1, 0, '男', 11, 11, '1'),"  // flagged: never offered
             " ('婷', '婷', 12, 'tíng', '火', 0, 1, '女', 12, 12, null);"
             // Kind 12 (王 + two characters) and kind 11 (王 + one), with one combination at 60.
             "insert into zh (lx, bh11, bh12, bh21, bh22, zf, jxjx, wg, sc) values"
             " (12, 4, 0, 8, 14, 88, 1, '5-12-22-26-15', '土木木'),"
             " (12, 4, 0, 2, 15, 82, 1, '5-6-17-21-16', '土土金'),"
             " (12, 4, 0, 3, 8, 75, 2, '5-7-11-15-9', '土金木'),"
             " (12, 4, 0, 15, 24, 70, 2, '5-19-39-43-25', '土水水'),"
             " (12, 4, 0, 10, 11, 60, 3, '5-14-21-25-12', '土火木'),"
             " (12, 4, 0, 14, 15, 66, 2, '5-18-29-33-16', '土金水'),"
             " (11, 4, 0, 8, 0, 81, 1, '5-12-9-12-2', '土木水'),"
             " (11, 4, 0, 14, 0, 77, 2, '5-18-15-18-2', '土金土'),"
             " (11, 4, 0, 15, 0, 62, 3, '5-19-16-19-2', '土水土');");
}

const QString kIdioms = QStringLiteral("年富力强\n才德兼备\n明𫖯华章");

// Each row as one text: combination, first and second character; in result order or sorted.
QStringList rowsOf(const ListQuery& q, bool inOrder = false)
{
    const ListResult result = runListStatement(buildListStatement(q), "王", {});
    QStringList rows;
    for (int row = 1; row <= result.rowCount(); ++row) rows << QString::number(result.score(row)) + result.givenName(row);
    if (!inOrder) rows.sort();
    return rows;
}

ListQuery idiomQuery(NameLength length, ChildSex sex)
{
    ListQuery q;
    q.length = length;
    q.planCount = 500;
    q.S1 = 4;
    q.sex = sex;
    q.mode = ListMode::Idiom;
    q.idiomText = kIdioms;
    return q;
}

}  // namespace

TEST(ListStatement, TheIdiomSetGivesExactlyTheRowsOfTheLikeCondition)
{
    FixtureDbs dbs;
    fillDictionary(dbs);
    struct Case {
        const char* why;
        ListQuery q;
    };
    std::vector<Case> cases;
    cases.push_back({"two characters, boy", idiomQuery(NameLength::Double, ChildSex::Boy)});
    cases.push_back({"two characters, girl", idiomQuery(NameLength::Double, ChildSex::Girl)});
    cases.push_back({"one character, boy", idiomQuery(NameLength::Single, ChildSex::Boy)});
    cases.push_back({"one character, girl", idiomQuery(NameLength::Single, ChildSex::Girl)});
    Case elements{"two preferred elements", idiomQuery(NameLength::Double, ChildSex::Boy)};
    elements.q.E1 = "火";
    elements.q.E2 = "水";
    cases.push_back(elements);
    Case fixed{"fixed character and plan strokes", idiomQuery(NameLength::Double, ChildSex::Boy)};
    fixed.q.fixedChar = "华";
    fixed.q.fixedAt = FixedPosition::Third;
    fixed.q.G1 = 8;
    fixed.q.G2 = 14;
    cases.push_back(fixed);
    Case low{"minimum above every combination but one", idiomQuery(NameLength::Double, ChildSex::Boy)};
    low.q.minScore = 85;
    cases.push_back(low);

    for (Case& c : cases) {
        ListQuery like = c.q;
        like.idiomMatch = IdiomMatch::Like;
        ListQuery lookup = c.q;
        lookup.idiomMatch = IdiomMatch::Lookup;
        const QStringList set = rowsOf(c.q);
        EXPECT_EQ(set, rowsOf(like)) << c.why;
        // The lookup joins as Like does, so it meets the rows in the same order.
        EXPECT_EQ(rowsOf(lookup, true), rowsOf(like, true)) << c.why;
        // And under a row limit both keep the same rows.
        lookup.rowLimit = like.rowLimit = 2;
        EXPECT_EQ(rowsOf(lookup, true), rowsOf(like, true)) << c.why;
        for (const QString& row : set)
            for (const QString& zi : distinctCharacters(row.mid(2)))
                EXPECT_TRUE(kIdioms.contains(zi)) << c.why << ' ' << row.toStdString();
    }
    // The cases are not empty by accident: the non-basic-plane character is matched as a whole.
    EXPECT_EQ(rowsOf(idiomQuery(NameLength::Double, ChildSex::Boy)), QStringList({"66华德", "66华𫖯", "75才明", "82力德", "82力𫖯", "88明华"}));
}

TEST(ListStatement, ConditionsNarrowTheJoinAsTheirOptionsSay)
{
    FixtureDbs dbs;
    fillDictionary(dbs);
    ListQuery q;
    q.planCount = 50;
    q.S1 = 4;
    q.sex = ChildSex::Boy;
    q.minScore = 60;  // 60 itself is not above M
    const QStringList all = rowsOf(q);
    EXPECT_FALSE(all.contains("60洋晨"));
    EXPECT_TRUE(all.contains("70德鑫"));
    EXPECT_FALSE(all.join(',').contains("冈"));  // flagged characters never take part

    ListQuery girl = q;
    girl.sex = ChildSex::Girl;
    for (const QString& row : rowsOf(girl)) EXPECT_FALSE(row.contains("鑫")) << row.toStdString();

    ListQuery third = q;
    third.fixedChar = "华";
    third.fixedAt = FixedPosition::Third;
    EXPECT_EQ(rowsOf(third), QStringList({"88明华"}));

    ListQuery one = q;
    one.E1 = "水";
    for (const QString& row : rowsOf(one)) EXPECT_TRUE(row.contains("华") || row.contains("洋") || row.contains("𫖯")) << row.toStdString();

    ListQuery top = q;
    top.planCount = 1;  // the best combination by jxjx, then score
    EXPECT_EQ(rowsOf(top), QStringList({"88明华"}));
}
