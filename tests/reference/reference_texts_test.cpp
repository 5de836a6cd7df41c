// The reference texts: the Noter articles as built, the omen tables and the English-name lists.
#include "data/db_error.h"
#include "numerology/luck_numbers.h"
#include "tools/reference/note_article.h"
#include "tools/reference/reference_texts.h"

#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

QString str(const char* utf8) { return QString::fromUtf8(utf8); }

// The non-empty lines of an omen page, after checking that an empty line separates each pair.
QStringList omenLines(int page)
{
    const QStringList all = OmenPageText(page).split(u'\n');
    QStringList lines;
    for (int i = 0; i < all.size(); ++i) {
        if (i % 2 == 1) {
            EXPECT_TRUE(all[i].trimmed().isEmpty()) << "page " << page << " line " << i + 1 << " should be empty";
            continue;
        }
        lines << all[i];
    }
    return lines;
}

}  // namespace

TEST(NoteArticles, EveryKeyThePagesUseHasATitledArticle)
{
    BuiltDbs dbs;
    const struct { const char* cid; const char* title; } keys[] = {
        {"a1", "姓名起名原理"}, {"a2", "什么是八字"}, {"a6", "八字与起名的重要性"}, {"a7", "吉祥宝宝起名方法"},
        {"XM001", "姓名学与取名"}, {"XM002", "姓名与命运"}, {"XM003", "五行与数字"}, {"XM010", "姓名与性格"},
        {"XM018", "常见小名"},
    };
    for (const auto& k : keys) {
        const auto article = LoadNoteArticle(str(k.cid));
        ASSERT_TRUE(article) << k.cid;
        EXPECT_EQ(article->title, str(k.title)) << k.cid;
        // A real article, not a stub: the texts are written to about a thousand characters or more.
        EXPECT_GE(article->content.size(), 900) << k.cid;
        EXPECT_EQ(article->content, article->content.trimmed()) << k.cid;
    }
    EXPECT_FALSE(LoadNoteArticle(str("XM999")));
}

// The articles state the program's rules in words; these pin the words to the code.
TEST(NoteArticles, StateTheLuckClassesAndTheElementsOfNumbersAsComputed)
{
    BuiltDbs dbs;
    const QString principles = LoadNoteArticle(str("a1")).value().content;
    const auto classes = QRegularExpression(str("吉数为([0-9、]+)；半吉数为([0-9、]+)；其余为凶数")).match(principles);
    ASSERT_TRUE(classes.hasMatch());
    QSet<int> lucky, mixed;
    for (const QString& n : classes.captured(1).split(str("、"))) lucky.insert(n.toInt());
    for (const QString& n : classes.captured(2).split(str("、"))) mixed.insert(n.toInt());
    for (int n = 1; n <= 81; ++n) {
        const Luck want = lucky.contains(n) ? Luck::Lucky : mixed.contains(n) ? Luck::Mixed : Luck::Unlucky;
        EXPECT_EQ(NumberClass(n), want) << n;
    }

    const QString numbers = LoadNoteArticle(str("XM003")).value().content;
    const QRegularExpression rule(str("个位为(\\d)、(\\d)的数属(.)，如([0-9、]+)"));
    int rules = 0;
    for (auto it = rule.globalMatch(numbers); it.hasNext(); ++rules) {
        const auto m = it.next();
        QStringList examples = m.captured(4).split(str("、"));
        examples << m.captured(1) << m.captured(2);
        for (const QString& n : examples) EXPECT_EQ(NumberElement(n.toInt()), m.captured(3)) << n.toStdString();
    }
    EXPECT_EQ(rules, 5);
}

TEST(NoteArticles, AnUnreadableFileIsAnErrorNotAMissingArticle)
{
    FixtureDbs dbs;
    dbs.remove(Db::KelBirth);
    EXPECT_THROW(LoadNoteArticle(str("a1")), DbError);
}

TEST(OmenTables, QuotedFirstLinesAndDoubleHoursInTheirOrder)
{
    const struct { int page; const char* first; const char* hours; } pages[] = {
        {0, "凌晨1 点-凌晨3点 有人思念你、有客人前来相求事情。", nullptr},
        {1, "子时：主有喜事，右主得财。  午时：主有亲来，想见大吉。", "子午丑未寅申卯酉辰戌巳亥"},
        {2, nullptr, "子午丑未寅申卯酉辰戌巳亥"},
        {3, nullptr, "子午丑未寅申卯酉辰戌巳亥"},
        {4, nullptr, "子午丑未寅申卯酉辰戌巳亥"},
        {5, nullptr, "子午丑未寅申卯酉辰戌巳亥"},
        {6, "子时：左主女思，右主失财。丑时：左主口舌，右主争讼。", "子丑寅未卯申辰酉巳戌午亥"},
    };
    for (const auto& p : pages) {
        const QStringList lines = omenLines(p.page);
        if (p.first) EXPECT_EQ(lines.value(0), str(p.first)) << "page " << p.page;
        if (!p.hours) {
            ASSERT_EQ(lines.size(), 12) << "page 0 has one line per two-hour range";
            EXPECT_TRUE(lines.last().startsWith(str("晚上11点-凌晨1点 ")));
            continue;
        }
        ASSERT_EQ(lines.size(), 6) << "page " << p.page << ": two double-hours a line";
        const QString hours = str(p.hours);
        for (int i = 0; i < 6; ++i) {
            const QString& line = lines[i];
            const QString second = QString(hours[2 * i + 1]) + str("时：");
            EXPECT_TRUE(line.startsWith(QString(hours[2 * i]) + str("时："))) << line.toStdString();
            const qsizetype at = line.indexOf(second);
            ASSERT_GT(at, 0) << line.toStdString();
            for (const QString& omen : {line.mid(3, at - 3).trimmed(), line.mid(at + 3)}) {
                if (p.page == 4 || p.page == 6) {
                    EXPECT_TRUE(omen.startsWith(str("左")) && omen.contains(str("，右"))) << omen.toStdString();
                } else if (p.page != 1 || i > 0) {  // the quoted first line of page 1 is kept as it stands
                    EXPECT_TRUE(omen.startsWith(str("主有"))) << omen.toStdString();
                }
            }
        }
    }
    EXPECT_TRUE(OmenPageText(-1).isEmpty());
    EXPECT_TRUE(OmenPageText(kOmenPageCount).isEmpty());
}

TEST(EnglishNames, EachLineIsNameTransliterationAndMeaningWithoutRepeats)
{
    const QRegularExpression entry(QStringLiteral("^([A-Z][A-Za-z'-]+) (\\p{Han}[\\p{Han}·]*) (\\S.*)$"));
    QSet<QString> seen;
    for (const char* sex : {"男", "女"}) {
        const QStringList names = EnglishNameList(str(sex));
        EXPECT_GE(names.size(), 300) << sex;
        for (const QString& line : names) {
            const auto m = entry.match(line);
            ASSERT_TRUE(m.hasMatch()) << sex << ": " << line.toStdString();
            EXPECT_FALSE(seen.contains(m.captured(1))) << "listed twice: " << m.captured(1).toStdString();
            seen.insert(m.captured(1));
        }
    }
    EXPECT_TRUE(EnglishNameList(str("女")).value(0).startsWith(str("Olivia ")));
    EXPECT_EQ(EnglishNameList(QString()), EnglishNameList(str("男")));
}

TEST(BuiltInTexts, TheEnglishNamesTextOpensAndClosesAsSpecified)
{
    EXPECT_TRUE(EnglishNamesIntroduction().startsWith(str("    英文名的英文意思是English ")));
    EXPECT_TRUE(EnglishNamesIntroduction().endsWith(str("名字就不太能够更动了！")));
    EXPECT_TRUE(KnowledgeIntroduction().startsWith(str("起名原理")));
    for (const char* heading : {"一 姓名学有作用吗? ", "六 凶名一定出凶事，吉名一定出吉事吗？ ", "姓名与财富的关系",
                                "起名字与姓名学", "姓名与八字", "改名的作用"})
        EXPECT_TRUE(KnowledgeIntroduction().contains(str(heading))) << heading;
}
