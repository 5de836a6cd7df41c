// The built poem library: the collections whole, the sections of the 诗经 named as such, the
// dynasties in time order, one verse line per text line, and simplified characters throughout.
#include "data/query.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

namespace {
QString str(const char* utf8) { return QString::fromUtf8(utf8); }
}  // namespace

TEST(BuiltPoemLibrary, HoldsTheWholeShijingAndChuciInTimeOrder)
{
    BuiltDbs dbs;
    Query q(Db::KelBirth);
    EXPECT_EQ(q.scalarInt("select count(*) from sg where d_author like '诗经·%'"), 305);
    EXPECT_EQ(q.scalarInt("select count(*) from sg where d_author like '楚辞·%'"), 65);
    EXPECT_EQ(q.scalarText("select d_dynasty from sg order by cd_num limit 1"), str("先秦"));
    EXPECT_EQ(q.scalarInt("select count(distinct cd_num) from sg"), q.scalarInt("select count(distinct d_dynasty) from sg"));
    EXPECT_EQ(q.scalarInt("select count(distinct au_num) from sg"),
              q.scalarInt("select count(*) from (select distinct au_num, d_author from sg)"));
    EXPECT_EQ(q.scalarInt("select count(*) from sg where d_nr like '%' || char(10) || char(10) || '%' "
                          "or d_nr like char(10) || '%' or d_nr like '%' || char(10)"),
              0)
        << "no empty lines inside a poem";
    EXPECT_EQ(q.scalarInt("select count(*) from sg where d_title = '静夜思' and d_author = '李白'"), 1);
}

TEST(BuiltPoemLibrary, ConvertedTextsHoldNoTraditionalForms)
{
    BuiltDbs dbs;
    Query q(Db::KelBirth);
    // Common traditional forms, and the forms that a careless conversion leaves in verse.
    for (const QString& ch : str("門們爲為這個說東來時會國於與後裡裏雲風馬鳥龍見閒祇衹").split(QString(), Qt::SkipEmptyParts))
        EXPECT_EQ(q.scalarInt("select count(*) from sg where instr(d_nr || d_title || d_author, ?) > 0", ch), 0) << ch.toStdString();
}
