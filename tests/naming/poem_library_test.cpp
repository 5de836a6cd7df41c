// The poem library as the browser walks it: the tree with and without a filter, an author's poems,
// a poem's text, and copying a poem into the selection box.
#include "naming/poem_library.h"

#include "data/db_error.h"

#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

// Two dynasties out of number order in the rows, four authors, 唐 and 李白 padded with blanks; the search words sit in different
// columns: 河 only in one text, 秋 in a title, 100% and it's in texts of their own.
const char* const kPoems =
    "insert into sg (d_num, cd_num, d_dynasty, au_num, d_author, d_title, d_nr) values "
    "(1, 6, ' 唐 ', 3, ' 李白 ', ' 静夜思 ', '床前明月光，疑是地上霜。'),"
    "(2, 6, ' 唐 ', 3, ' 李白 ', '秋浦歌', '白发三千丈，缘愁似个长。'),"
    "(3, 1, '先秦', 1, '诗经·国风', '关雎（周南）', '关关雎鸠，在河之洲。'),"
    "(4, 1, '先秦', 2, '诗经·小雅', '鹿鸣（鹿鸣之什）', '呦呦鹿鸣，食野之苹。'),"
    "(5, 6, ' 唐 ', 4, '杜甫', '春望', '国破山河在，城春草木深。100%'),"
    "(6, 6, ' 唐 ', 4, '杜甫', '月夜', 'it''s a_b night'),"
    "(7, 6, ' 唐 ', 3, ' 李白 ', '将进酒', '君不见黄河之水天上来。');";

struct PoemLibrary : ::testing::Test {
    FixtureDbs dbs;
    PoemLibrary() { dbs.exec(Db::KelBirth, QString::fromUtf8(kPoems)); }
};

QString treeText(const QList<PoemDynasty>& tree)
{
    QStringList parts;
    for (const PoemDynasty& d : tree) {
        QStringList authors;
        for (const PoemAuthor& a : d.authors) authors << a.name + QString::number(a.number);
        parts << d.name + ":" + authors.join(',');
    }
    return parts.join(' ');
}

QString titles(const QList<PoemEntry>& poems)
{
    QStringList t;
    for (const PoemEntry& p : poems) t << p.title;
    return t.join(',');
}

}  // namespace

TEST_F(PoemLibrary, TheWholeTreeRunsInDynastyThenAuthorOrderWithTrimmedCaptions)
{
    EXPECT_EQ(treeText(BuildPoemTree()), "先秦:诗经·国风1,诗经·小雅2 唐:李白3,杜甫4");
}

TEST_F(PoemLibrary, AFilterKeepsExactlyTheDynastiesAndAuthorsWithAMatchingPoem)
{
    const struct { const char* filter; const char* tree; const char* why; } cases[] = {
        {"河", "先秦:诗经·国风1 唐:李白3,杜甫4", "text"},
        {"秋", "唐:李白3", "title only"},
        {"诗经", "先秦:诗经·国风1,诗经·小雅2", "author"},
        {"先秦", "先秦:诗经·国风1,诗经·小雅2", "dynasty"},
        {"100%", "唐:杜甫4", "% matches itself"},
        {"0%", "唐:杜甫4", "% matches itself, not any text"},
        {"a_b", "唐:杜甫4", "_ matches itself"},
        {"a_", "唐:杜甫4", ""},
        {"%", "唐:杜甫4", "a lone % is no wildcard"},
        {"_", "唐:杜甫4", "a lone _ is no wildcard"},
        {"it's", "唐:杜甫4", "a quote is a quote"},
        {"无此字", "", "nothing"},
    };
    for (const auto& c : cases) EXPECT_EQ(treeText(BuildPoemTree(QString::fromUtf8(c.filter))), c.tree) << c.why;
}

TEST_F(PoemLibrary, AnAuthorsPoemsComeInTitleOrderAndAFilterNarrowsThem)
{
    // Code-point order in the test's C locale: 将 < 秋 < 静.
    EXPECT_EQ(titles(AuthorPoems(3)), "将进酒,秋浦歌,静夜思");
    EXPECT_EQ(titles(AuthorPoems(3, "河")), "将进酒");
    EXPECT_EQ(AuthorPoems(3).front().number, 7);
    EXPECT_TRUE(AuthorPoems(0).isEmpty()) << "a dynasty node has no number";
}

TEST_F(PoemLibrary, APoemsTextIsUntrimmedAndAMissingPoemHasNone)
{
    dbs.exec(Db::KelBirth, "insert into sg values (9, 1, '先秦', 1, '诗经·国风', '兔罝', ' 肃肃兔罝，\n椓之丁丁。 ')");
    EXPECT_EQ(PoemText(9), QString::fromUtf8(" 肃肃兔罝，\n椓之丁丁。 "));
    EXPECT_EQ(PoemText(99), QString());
}

TEST(PoemLibraryFailure, AMissingFileIsAnError)
{
    FixtureDbs dbs;
    dbs.remove(Db::KelBirth);
    EXPECT_THROW(BuildPoemTree(), DbError);
}

TEST(PoemSelection, TheFirstPoemStartsTheBoxAndEachFurtherOneFollowsOneEmptyLine)
{
    const struct { const char* box; const char* poem; const char* result; const char* why; } cases[] = {
        {"", "床前明月光，\n疑是地上霜。", "床前明月光，\n疑是地上霜。", "first poem: no leading blank line"},
        {"甲\n乙", " 丙\n丁 \n", "甲\n乙\n\n丙\n丁", "one blank line, the poem trimmed"},
        {"甲\n", "丙", "甲\n\n丙", "a final line break starts no extra line"},
        {"甲\n\n丙", "丁", "甲\n\n丙\n\n丁", "a third poem, again after one blank line"},
        {"甲", "  \n ", "甲", "a blank poem adds nothing"},
        {" \n", "丙", " \n丙", "a box of blanks only gets no blank line"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AddPoemToSelection(QString::fromUtf8(c.box), QString::fromUtf8(c.poem)), QString::fromUtf8(c.result))
            << c.why;
}
