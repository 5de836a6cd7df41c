// Nickname suggestions: the shapes of the five patterns, the characters for each sex, and the
// characters of the elements a chart lacks first.
#include "tools/reference/nicknames.h"

#include "calendar/missing_elements.h"
#include "data/char_dictionary.h"

#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

QString str(const char* utf8) { return QString::fromUtf8(utf8); }

BirthInfo birth(const char* sex, const char* y, const char* m, const char* d, const char* hour)
{
    BirthInfo b;
    b.sex = str(sex);
    b.year = str(y);
    b.month = str(m);
    b.day = str(d);
    b.hour = str(hour);
    return b;
}

// The curated character a nickname is made of.
QString baseOf(const QString& nickname, NicknamePattern p)
{
    switch (p) {
    case NicknamePattern::Doubled: return nickname.left(1);
    case NicknamePattern::Xiao:
    case NicknamePattern::A: return nickname.mid(1);
    case NicknamePattern::Er:
    case NicknamePattern::Wa: return nickname.left(1);
    }
    return {};
}

}  // namespace

TEST(Nicknames, PatternsByNameAndShape)
{
    const struct { const char* name; NicknamePattern p; const char* made; } cases[] = {
        {"宝宝型", NicknamePattern::Doubled, "明明"}, {"小宝型", NicknamePattern::Xiao, "小明"},
        {"阿宝型", NicknamePattern::A, "阿明"},       {"宝儿型", NicknamePattern::Er, "明儿"},
        {"宝娃型", NicknamePattern::Wa, "明娃"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NicknamePatternOf(str(c.name)), c.p) << c.name;
        EXPECT_EQ(NicknamePatternName(c.p), str(c.name));
        EXPECT_EQ(ApplyNicknamePattern(c.p, str("明")), str(c.made));
    }
    EXPECT_FALSE(NicknamePatternOf(str("宝贝型")));
}

TEST(Nicknames, CuratedCharactersAreSingleDistinctAndKnownToTheDictionary)
{
    BuiltDbs dbs;
    QSet<QString> seen;
    for (const NicknameChar& c : NicknameChars()) {
        EXPECT_EQ(c.ch.size(), 1) << c.ch.toStdString();
        EXPECT_FALSE(seen.contains(c.ch)) << "listed twice: " << c.ch.toStdString();
        seen.insert(c.ch);
        EXPECT_TRUE(QStringList({str("男"), str("女"), str("通")}).contains(c.sex)) << c.ch.toStdString();
        EXPECT_FALSE(c.meaning.isEmpty()) << c.ch.toStdString();
        EXPECT_EQ(CharElement(c.ch).size(), 1) << "no element in the dictionary: " << c.ch.toStdString();
    }
}

TEST(Nicknames, EachFollowsItsPatternAndSuitsTheSex)
{
    BuiltDbs dbs;
    QHash<QString, QString> sexOf;
    for (const NicknameChar& c : NicknameChars()) sexOf.insert(c.ch, c.sex);
    for (const char* sex : {"男", "女"}) {
        for (NicknamePattern p : {NicknamePattern::Doubled, NicknamePattern::Xiao, NicknamePattern::A,
                                  NicknamePattern::Er, NicknamePattern::Wa}) {
            const QList<Nickname> list = SuggestNicknames(str(sex), p, QString());
            EXPECT_GE(list.size(), 20) << sex << NicknamePatternName(p).toStdString();
            for (const Nickname& n : list) {
                const QString base = baseOf(n.name, p);
                EXPECT_EQ(n.name, ApplyNicknamePattern(p, base));
                EXPECT_TRUE(sexOf.value(base) == str(sex) || sexOf.value(base) == str("通"))
                    << n.name.toStdString() << " for " << sex;
                EXPECT_TRUE(n.line().startsWith(n.name + str("  五行:") + n.element));
            }
        }
    }
}

TEST(Nicknames, AChartLackingWaterPutsWaterCharactersFirst)
{
    BuiltDbs dbs;
    // 庚申 庚辰 甲戌 庚午: metal, earth, wood and fire, but no water.
    const BirthInfo b = birth("女", "1980", "5", "1", "午 12");
    ASSERT_EQ(ComputeMissingElements(b).value(), str("水"));
    const auto list = NicknamesForBirth(b, NicknamePattern::Xiao);
    ASSERT_TRUE(list);
    int water = 0;
    while (water < list->size() && (*list)[water].element == str("水")) ++water;
    EXPECT_GT(water, 0);
    for (int i = water; i < list->size(); ++i) EXPECT_NE((*list)[i].element, str("水")) << (*list)[i].name.toStdString();
    // Without the chart the same characters come in the list's own order.
    EXPECT_EQ(list->size(), SuggestNicknames(str("女"), NicknamePattern::Xiao, QString()).size());
}

TEST(Nicknames, BirthInputThatCannotBeReadGivesTheDateMessage)
{
    BuiltDbs dbs;
    EXPECT_EQ(NicknamesForBirth(birth("男", "1980", "2", "30", "子 0"), NicknamePattern::A).error(),
              str("请检查输入数据是否出错！"));
    EXPECT_EQ(NicknamesForBirth(birth("男", "", "2", "3", "子 0"), NicknamePattern::A).error(), str("请选择出生年!"));
}
