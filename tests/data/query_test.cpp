#include "data/char_dictionary.h"
#include "data/failure.h"
#include "data/query.h"
#include "tests/support/fixture_db.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

void fillWord(FixtureDbs& dbs)
{
    dbs.exec(Db::Velmora,
             "insert into word (zi, ft, bh, pinyin, wuhang, nan, nv, xb, px, id, Aflag) values"
             " ('张', '張', 11, 'zhāng', '火', 1, 0, '男', 5, 1, null),"
             " ('乐', '樂', 15, 'lè、yuè', '火', 1, 1, '0', 9, 2, null),"
             " ('零', '零', 0, 'líng', '火', 0, 0, '0', 9, 3, '1'),"
             " ('甲', '甲', 5, '', '木', 0, 0, '0', 9, 4, null);"
             "insert into zh values (12, 11, 0, 8, 9, 85, 1, '12-19-17', '金水金');");
}

}  // namespace

TEST(Query, LoadsTheWholeResultAndReachesRowsByNumberAndColumnsByName)
{
    FixtureDbs dbs;
    fillWord(dbs);
    Query q(Db::Velmora);
    q.open("select zi, bh, Aflag from word order by id");
    ASSERT_EQ(q.rowCount(), 4);
    EXPECT_EQ(q.rowNumber(), 1);
    EXPECT_EQ(q.field("ZI").asText(), "张");  // names match without regard to case
    EXPECT_EQ(q.field("aflag").asText(), "");
    q.next();
    EXPECT_EQ(q.field(1).asInt(), 15);
    q.moveTo(3);
    EXPECT_EQ(q.rowNumber(), 3);
    EXPECT_EQ(q.field("aflag").asInt(), 1);
    q.moveTo(4);
    q.next();
    EXPECT_TRUE(q.atEnd());
    EXPECT_EQ(q.field(0).asText(), "");
}

TEST(Query, AnEmptyResultOrNullReadsAsZeroAndEmptyText)
{
    FixtureDbs dbs;
    fillWord(dbs);
    Query q(Db::Velmora);
    q.open("select bh, pinyin from word where zi = ?", "无");
    EXPECT_TRUE(q.isEmpty());
    EXPECT_EQ(q.rowNumber(), 0);
    EXPECT_EQ(q.field("bh").asInt(), 0);
    EXPECT_EQ(q.field("pinyin").asText(), "");
    EXPECT_EQ(q.field("no_such_column").asText(), "");
    q.open("select null as n");
    EXPECT_TRUE(q.field("n").isNull());
    EXPECT_EQ(q.field("n").asInt(), 0);
    EXPECT_EQ(q.field("n").asText(), "");
}

TEST(Query, AScanHandsOverEachRowInOrderAndKeepsNone)
{
    FixtureDbs dbs;
    fillWord(dbs);
    Query q(Db::Velmora);
    q.open("select zi from word");  // a result from before is freed by the scan
    QStringList seen;
    q.scanWith("select zi, ft, bh, null from word where bh > ? order by id", {0}, [&](const StreamRow& r) {
        seen << r.toText(0) + r.toText(1) + QString::number(r.toInt(2)) + (r.isNull(3) ? "∅" : "?");
    });
    EXPECT_EQ(seen, QStringList({"张張11∅", "乐樂15∅", "甲甲5∅"}));
    EXPECT_TRUE(q.isEmpty());
    EXPECT_THROW(q.scanWith("select nothing from nowhere", {}, [](const StreamRow&) {}), DbError);
}

TEST(Query, AValueWithAQuoteIsBoundAndSimplyFindsNothing)
{
    FixtureDbs dbs;
    fillWord(dbs);
    EXPECT_EQ(CharStrokes("张' or '1'='1"), 0);
    EXPECT_EQ(CharPinyin("'"), "");
    Query q(Db::Velmora);
    q.open("select count(*) from word where zi = ? or ft = ?", "a'b", "'); drop table word; --");
    EXPECT_EQ(q.field(0).asInt(), 0);
    q.open("select count(*) from word");
    EXPECT_EQ(q.field(0).asInt(), 4);
}

TEST(Query, DigitNamedTableAndKeywordColumnStayReachable)
{
    FixtureDbs dbs;
    dbs.exec(Db::KelFile, R"(insert into "81" (num, yy, jx, "as", content) values (1, '首领', '（吉）', '暗示', '长文');)");
    Query q(Db::KelFile);
    q.open(R"(select * from "81" where num = ?)", 1);
    EXPECT_EQ(q.field("as").asText(), "暗示");
    EXPECT_EQ(q.columnNames(), (QStringList{"num", "yy", "jx", "as", "content"}));
}

TEST(Query, FilesAreOpenedReadOnlyAndNeverCreated)
{
    FixtureDbs dbs;
    fillWord(dbs);
    Query q(Db::Velmora);
    EXPECT_THROW(q.open("delete from word"), DbError);
    q.open("select count(*) from word");
    EXPECT_EQ(q.field(0).asInt(), 4);

    Query missing(Db::Dream);
    try {
        missing.open("select 1");
        FAIL() << "a missing file must not open";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.message().contains("dream.dll")) << e.message().toStdString();
    }
    EXPECT_FALSE(QFile::exists(dbFilePath(Db::Dream)));
}

TEST(Query, AWindowOwnedQueryTriesTheFileAgainAfterAFailure)
{
    FixtureDbs dbs;
    Query owned(Db::Velmora, 60);
    EXPECT_THROW(owned.open("select count(*) from word"), DbError);
    fillWord(dbs);
    owned.open("select count(*) from word");
    EXPECT_EQ(owned.field(0).asInt(), 4);
}

TEST(FailureConventions, EachBehavesAsNamedAgainstAMissingFile)
{
    FixtureDbs dbs;  // no files at all
    auto lookup = [] {
        Query q(Db::KelFile);
        return q.scalarInt(R"(select num from "81" limit 1)");
    };
    EXPECT_EQ(quietLookup(-7, lookup), -7);
    EXPECT_THROW(abandonOnFailure(lookup), ActionAbandoned);
    try {
        lookup();
        FAIL() << "a reported failure must reach the caller";
    } catch (const DbError& e) {
        EXPECT_FALSE(e.message().isEmpty());
    }
}

TEST(CharDictionary, LooksUpBySimplifiedThenTraditionalForm)
{
    FixtureDbs dbs;
    fillWord(dbs);
    const struct { const char* ch; int strokes; const char* reading; } cases[] = {
        {"张", 11, "zhāng"}, {"張", 11, "zhāng"},  // traditional only: found through ft
        {"乐", 15, "lè"},                         // two readings: the first
        {"零", 0, "líng"},                        // 0 strokes counts as absent, and ft 零 has 0 too
        {"无", 0, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CharStrokes(c.ch), c.strokes) << c.ch;
        EXPECT_EQ(CharPinyin(c.ch), QString::fromUtf8(c.reading)) << c.ch;
    }
    EXPECT_EQ(CharElement("張"), "火");
}

TEST(CharDictionary, StemAndBranchElementsComeFromTheirRun)
{
    FixtureDbs dbs;
    dbs.exec(Db::Tgcode, "insert into hzwh values ('甲乙寅卯', ' 木 '), ('丙丁巳午', '火');");
    EXPECT_EQ(HzwhElement("卯"), "木");
    EXPECT_EQ(HzwhElement(" 午 "), "火");
    EXPECT_EQ(HzwhElement("子"), "");
    EXPECT_EQ(HzwhElement(""), "木");  // the pattern %% matches every row; the first one answers
    EXPECT_EQ(HzwhElement("'"), "");

    QString kept = "土";
    dbs.remove(Db::Tgcode);
    HzwhElement("甲", kept);
    EXPECT_EQ(kept, "土");  // a failing lookup leaves the output as it was
}

TEST(CharDictionary, AMissingDictionaryGivesZeroStrokesQuietly)
{
    FixtureDbs dbs;
    EXPECT_EQ(CharStrokes("张"), 0);
    EXPECT_EQ(CharPinyin("张"), "");
}
