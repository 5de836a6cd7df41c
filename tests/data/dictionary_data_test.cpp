// The built character dictionary: every score and generated name starts from it.
#include "data/char_dictionary.h"
#include "data/query.h"
#include "tests/support/fixture_db.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QString readSourceFile(const char* relative)
{
    QFile f(QStringLiteral(JIAMING_SOURCE_DIR "/") + relative);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << relative;
    return QString::fromUtf8(f.readAll());
}

}  // namespace

TEST(DictionaryData, AgreesWithPublishedStrokeCounts)
{
    BuiltDbs dbs;
    int total = 0, agreeing = 0;
    QStringList disagreements;
    for (const QString& line : readSourceFile("tests/data/published_strokes.tsv").split(u'\n')) {
        if (line.isEmpty() || line.startsWith(u'#') || line.startsWith("zi\t")) continue;
        const QStringList f = line.split(u'\t');
        ++total;
        const int got = CharStrokes(f[0]);
        if (got == f[1].toInt()) ++agreeing;
        else disagreements << QStringLiteral("%1 %2≠%3").arg(f[0]).arg(got).arg(f[1]);
    }
    ASSERT_GE(total, 60);
    EXPECT_GE(agreeing * 100, total * 99) << disagreements.join(u' ').toStdString();
}

TEST(DictionaryData, CompoundSurnamesAndTraditionalFormsCount)
{
    BuiltDbs dbs;
    const struct { const char* ch; int strokes; } cases[] = {
        {"欧", 15}, {"阳", 17}, {"司", 5}, {"马", 10}, {"诸", 16}, {"葛", 15},
        {"張", 11}, {"陽", 17},  // traditional forms are found through ft
        {"于", 3},  {"余", 7},  {"王", 4}, {"四", 4}, {"十", 10},
    };
    for (const auto& c : cases) EXPECT_EQ(CharStrokes(c.ch), c.strokes) << c.ch;
    EXPECT_EQ(CharPinyin("張"), "zhāng");
}

TEST(DictionaryData, EveryRowHasStrokesAReadingAndAnElement)
{
    BuiltDbs dbs;
    Query q(Db::Velmora);
    q.open("select count(*) from word where bh < 1 or pinyin is null or pinyin = '' or"
           " wuhang not in ('金', '木', '水', '火', '土') or length(zi) <> 1");
    EXPECT_EQ(q.field(0).asInt(), 0);
    q.open("select count(*) from word");
    EXPECT_GE(q.field(0).asInt(), 8105);
    q.open("select count(*) from word where Aflag is null and xb not in ('男', '女', '0', '1')");
    EXPECT_EQ(q.field(0).asInt(), 0);
}

TEST(DictionaryData, NoIllOmenedCharacterIsOfferedForNames)
{
    BuiltDbs dbs;
    QString guard;
    for (const QString& line : readSourceFile("db/dict/ill_omened.txt").split(u'\n'))
        if (!line.startsWith(u'#')) guard += line.trimmed();
    ASSERT_GT(guard.size(), 30);
    Query q(Db::Velmora);
    q.open("select zi from word where Aflag is null");
    QString offered;
    for (; !q.atEnd(); q.next()) offered += q.field(0).asText();
    QString bad;
    for (QChar c : guard)
        if (offered.contains(c)) bad += c;
    EXPECT_TRUE(bad.isEmpty()) << bad.toStdString();
    for (const char* c : {"死", "亡", "病", "凶", "丧", "鬼", "尸", "血"}) EXPECT_FALSE(offered.contains(QString::fromUtf8(c))) << c;
}
