#include "tools/five_element_query.h"

#include "data/db_error.h"
#include "data/query.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

struct ElementFixture : ::testing::Test {
    FixtureDbs dbs;
    ElementFixture()
    {
        dbs.exec(Db::Velmora,
                 "insert into word (zi, ft, bh, wuhang) values ('王', '王', 4, '土'), ('李', '李', 7, '火'),"
                 " ('国', '國', 11, '木'), ('明', '明', 8, '水 ')");
    }
    QString elements(const QString& text)
    {
        Query q(Db::Velmora);
        return textElements(q, text);
    }
};

}  // namespace

TEST_F(ElementFixture, CutsTheTextIntoCharacters)
{
    EXPECT_EQ(elements("王李"), "土火");
    EXPECT_EQ(elements("李王"), "火土");
    EXPECT_EQ(elements(" 國 "), "木");                // traditional form through ft
    EXPECT_EQ(elements("明"), "水 ");                  // untrimmed
    EXPECT_EQ(elements("王龘李"), "土火");             // not in the dictionary
    EXPECT_EQ(elements("ab王"), "土");                 // "ab" is a pair that matches nothing
    EXPECT_EQ(elements("a王"), "");                    // every pair is cut across a character
    EXPECT_EQ(elements("王李王李王李"), "土火土火土");  // five pairs at most
    EXPECT_EQ(elements(""), "");
}

TEST(FiveElementQuery, AMissingFileIsAReportedFailure)
{
    FixtureDbs dbs;
    Query q(Db::Velmora);
    EXPECT_THROW(textElements(q, "王"), DbError);
}
