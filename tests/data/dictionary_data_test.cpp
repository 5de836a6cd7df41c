// The built character dictionary: every score and generated name starts from it.
#include "data/char_dictionary.h"
#include "data/query.h"
#include "tests/support/fixture_db.h"

#include <QFile>
#include <QPair>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

QString readSourceFile(const char* relative)
{
    QFile f(QStringLiteral(JIAMING_SOURCE_DIR "/") + relative);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << relative;
    return QString::fromUtf8(f.readAll());
}

// The names of a "sex<TAB>name name ..." list, with their sex.
QList<QPair<QString, QString>> readGivenNames(const char* relative)
{
    QList<QPair<QString, QString>> names;
    for (const QString& line : readSourceFile(relative).split(u'\n')) {
        if (line.startsWith(u'#') || !line.contains(u'\t')) continue;
        const QString sex = line.section(u'\t', 0, 0);
        for (const QString& name : line.section(u'\t', 1).split(u' ', Qt::SkipEmptyParts))
            names.append({sex, name});
    }
    return names;
}

// The characters of the name that the naming statements would not offer for the sex.
QString notOfferedFor(const QString& sex, const QString& name)
{
    const bool boy = sex == QStringLiteral("男");
    Query q(Db::Velmora);
    QString missing;
    for (QChar c : name)
        if (q.scalarInt(QStringLiteral("select count(*) from word where zi = ? and Aflag is null and ") +
                            (boy ? "nan = 1 and xb in ('男', '1')" : "nv = 1 and xb in ('女', '1')"),
                        QString(c)) == 0)
            missing += c;
    return missing;
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

TEST(DictionaryData, PopularGivenNamesAreOfferedForTheSexTheyAreGivenTo)
{
    BuiltDbs dbs;
    // Girls' names whose characters were once offered to boys only, and boys' names whose
    // characters were once offered to girls only.
    const struct { const char* sex; const char* name; } cases[] = {
        {"女", "一诺"}, {"女", "语桐"}, {"女", "欣然"}, {"女", "晨曦"}, {"女", "婉清"},
        {"男", "子涵"}, {"男", "思远"}, {"男", "嘉豪"}, {"男", "嘉懿"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(notOfferedFor(QString::fromUtf8(c.sex), QString::fromUtf8(c.name)), QString())
            << c.sex << " " << c.name;

    const auto popular = readGivenNames("db/dict/popular_given_names.txt");
    ASSERT_GT(popular.size(), 50);
    for (const auto& [sex, name] : popular)
        EXPECT_EQ(notOfferedFor(sex, name), QString()) << sex.toStdString() << " " << name.toStdString();
}

TEST(DictionaryData, NameCharacterClassesMeetTheFloorsAndAgree)
{
    BuiltDbs dbs;
    Query q(Db::Velmora);
    // At least 2,000 name characters, 1,200 for boys and 1,200 for girls ("either" counts for both).
    EXPECT_GE(q.scalarInt("select count(*) from word where Aflag is null"), 2000);
    EXPECT_GE(q.scalarInt("select count(*) from word where Aflag is null and nan = 1"), 1200);
    EXPECT_GE(q.scalarInt("select count(*) from word where Aflag is null and nv = 1"), 1200);
    // The three markers of a name character tell the same class.
    EXPECT_EQ(q.scalarInt("select count(*) from word where Aflag is null and not ("
                          " (xb = '男' and nan = 1 and nv = 0) or (xb = '女' and nan = 0 and nv = 1) or"
                          " (xb = '1' and nan = 1 and nv = 1))"),
              0);
}

TEST(DictionaryData, CommonNameCharactersRankFirst)
{
    BuiltDbs dbs;
    Query q(Db::Velmora);
    // Name characters come before every other row.
    EXPECT_LT(q.scalarInt("select max(px) from word where Aflag is null"),
              q.scalarInt("select min(px) from word where Aflag is not null"));
    // The characters of the popular given names come before the other name characters.
    QString popularChars;
    for (const auto& given : readGivenNames("db/dict/popular_given_names.txt")) popularChars += given.second;
    int lastPopular = 0;
    for (QChar c : popularChars)
        lastPopular = std::max(lastPopular, q.scalarInt("select px from word where zi = ?", QString(c)));
    EXPECT_EQ(lastPopular, q.scalarInt("select count(distinct zi) from word where Aflag is null and"
                                       " instr(?, zi) > 0",
                                       popularChars));
    // A common character ranks ahead of a rare one of the same class.
    const struct { const char* common; const char* rare; } pairs[] = {
        {"涵", "琡"}, {"浩", "淏"}, {"欣", "嫕"}, {"梓", "棪"}, {"晨", "晙"},
    };
    for (const auto& p : pairs)
        EXPECT_LT(q.scalarInt("select px from word where zi = ?", QString::fromUtf8(p.common)),
                  q.scalarInt("select px from word where zi = ?", QString::fromUtf8(p.rare)))
            << p.common << " " << p.rare;
}
