#include "tools/net_name.h"
#include "tools/pinyin_initials.h"

#include "tests/support/qt_printers.h"

#include <QStringConverter>
#include <gtest/gtest.h>

namespace {

QString firstLetters(const QString& text, bool unknown = false)
{
    return PinyinInitials(text, {.markUnknown = unknown}, 255);
}

QString cell(unsigned char lead, unsigned char trail, InitialsOptions options = {})
{
    const char bytes[] = {char(lead), char(trail)};
    return PinyinInitials(QByteArray(bytes, 2), options, 255);
}

}  // namespace

TEST(PinyinTable, ExampleCharacters)
{
    const struct { const char* ch; const char* syllable; } rows[] = {
        {"啊", "a"}, {"阿", "a"}, {"宝", "bao"}, {"贝", "bei"}, {"李", "li"}, {"王", "wang"}, {"网", "wang"},
        {"明", "ming"}, {"名", "ming"}, {"小", "xiao"}, {"张", "zhang"}, {"绿", "lv"}, {"丂", "kao"},
    };
    for (const auto& r : rows) {
        const QByteArray b = QStringEncoder("GBK").encode(QString::fromUtf8(r.ch));
        EXPECT_EQ(gbkSyllable(b[0], b[1]), QString::fromLatin1(r.syllable)) << r.ch;
    }
    EXPECT_EQ(syllable(1), "a");
    EXPECT_EQ(syllable(syllableCount()), "zuo");
    EXPECT_EQ(syllable(0), "");
    for (int i = 2; i <= syllableCount(); ++i) EXPECT_LT(syllable(i - 1), syllable(i)) << i;
}

TEST(PinyinInitials, SpellsLettersDigitsAndHanzi)
{
    EXPECT_EQ(firstLetters("小宝"), "XB");
    EXPECT_EQ(firstLetters("abc3"), "ABC3");
    EXPECT_EQ(firstLetters("张 三-x!"), "ZSX");
    EXPECT_EQ(PinyinInitials(QStringLiteral("张三"), {.fullSyllables = true}, 255), "ZHANGSAN");
    EXPECT_EQ(PinyinInitials(QStringLiteral("a-b c"), {.keepOthers = true}, 255), "A-B C");
    EXPECT_EQ(firstLetters("小宝。"), "XB");
    EXPECT_EQ(firstLetters("小宝。", true), "XB?");
    EXPECT_EQ(PinyinInitials(QStringLiteral("张三李四"), {.fullSyllables = true}, 7), "ZHANGSA");
}

TEST(PinyinInitials, NumberedSymbolsOfRowA2)
{
    // Every cell from 0xA1 on: the runs give their numbers, the gaps give nothing at all.
    const struct { unsigned char first, last; } runs[] = {
        {0xA1, 0xAA}, {0xB1, 0xC4}, {0xC5, 0xD8}, {0xD9, 0xE2}, {0xE5, 0xEE}, {0xF1, 0xFC}};
    for (int trail = 0xA1; trail <= 0xFE; ++trail) {
        QString want;
        for (const auto& run : runs)
            if (trail >= run.first && trail <= run.last) want = QString::number(trail - run.first + 1);
        EXPECT_EQ(cell(0xA2, trail, {.markUnknown = true}), want) << std::hex << trail;
    }
    EXPECT_EQ(firstLetters("①⒛⑽㈩Ⅻⅸ"), "1201010129");
}

TEST(PinyinInitials, FullWidthAsciiOfRowA3)
{
    for (int trail = 0xA1; trail <= 0xFE; ++trail) {
        const char ascii = char(trail - 0x80);
        const bool kept = (ascii >= '0' && ascii <= '9') || (ascii >= 'A' && ascii <= 'Z') || (ascii >= 'a' && ascii <= 'z');
        EXPECT_EQ(cell(0xA3, trail), kept ? QString(QChar(ascii).toUpper()) : QString()) << std::hex << trail;
        EXPECT_EQ(cell(0xA3, trail, {.keepOthers = true}), QString(QChar(ascii).toUpper())) << std::hex << trail;
    }
}

TEST(PinyinInitials, GreekLettersOfRowA6)
{
    const char* const latin[] = {"A", "B", "G", "D", "E", "Z", "E", "TH", "I", "K", "L", "M",
                                 "N", "X", "O", "P", "R", "S", "T", "U", "PH", "KH", "PS", "O"};
    for (int trail = 0xA1; trail <= 0xFE; ++trail) {
        QString want;
        if (trail <= 0xB8) want = QString::fromLatin1(latin[trail - 0xA1]);
        if (trail >= 0xC1 && trail <= 0xD8) want = QString::fromLatin1(latin[trail - 0xC1]);
        EXPECT_EQ(cell(0xA6, trail, {.markUnknown = true}), want) << std::hex << trail;
    }
    EXPECT_EQ(firstLetters("αΩ"), "AO");
}

TEST(NetNamePersonality, LastLetterPicksTheTrait)
{
    const struct { const char* nickname; const char* trait; } cases[] = {
        {"小宝", "老实，沉默"},                   // XB
        {"ABC3", "可爱，较明显的自恋"},           // ABCC
        {"lucky0", " 煽情高手"},                  // ... J
        {"阿明!", "反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱"},  // the mark is dropped: M
        {"小宝。", ""},                           // 。 spells ?
        {"!!!", ""},
        {"", ""},
        {"Ｚ", "老实，想问题容易兜圈子"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NetNamePersonality(QString::fromUtf8(c.nickname)), QString::fromUtf8(c.trait)) << c.nickname;
}

TEST(NetNameTest, LinesOfTheWindow)
{
    const auto lines = netNameTest(" 小宝 ");
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->name, "你的网名：小宝");
    EXPECT_EQ(lines->personality, "你的性格：老实，沉默");
    EXPECT_EQ(netNameTest("hi")->personality, "你的性格：有点懒惰");  // trimmed
    EXPECT_EQ(netNameTest("小宝。")->personality, "你的性格：");
    EXPECT_EQ(netNameTest("   ").error(), "请输入你的网名！");
    EXPECT_EQ(netNameTest(QString(QChar(0xD800)))->personality, "你的性格：");  // broken text spells nothing
}
