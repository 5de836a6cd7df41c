#include "tools/number_reading.h"

#include "data/db_error.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <QRegularExpression>
#include <gtest/gtest.h>
#include <set>

namespace {

NumberFortune fortuneOf(qint64 n)
{
    return splitNumberReading(NumberReading(n));
}

QString typeOf(const NumberFortune& f)
{
    const QRegularExpression type(QStringLiteral("^主人性格类型：\\[(.+)\\]，其具体表现为：.+$"));
    const auto m = type.match(f.detail);
    return m.hasMatch() ? m.captured(1) : QString();
}

}  // namespace

TEST(NumberReading, QuotedEntriesAreExact)
{
    EXPECT_EQ(NumberReading(1), QStringLiteral(
        "根基不固，摇摇欲坠，一盛一衰，劳而无获|凶|主人性格类型：[独断独行/吸引人型]，其具体表现为：为人独断独行，"
        "事事自行作主解决，鲜有求助他人。而这份独立个性，正正就是吸引异性的特质。但其实心底里，却是渴望有人可让他/她依赖。"));
    EXPECT_EQ(NumberReading(26), QStringLiteral(
        "一成一败，一盛一衰，惟靠谨慎，可守成功|凶带吉|主人性格类型：[做事喜好凭直觉型]，其具体表现为：有特强的第六灵感，"
        "性格率直无机心，深得朋辈爱戴。感情路上多采多姿。做事喜好凭个人直觉及预感做决定。"));
    EXPECT_EQ(NumberReading(80), QStringLiteral(
        "最极之数，还本归元，能得繁荣，发达成功|吉|主人性格类型：[做事喜好凭直觉型]，其具体表现为：有特强的第六灵感，"
        "性格率直无机心，深得朋辈爱戴。感情路上多采多姿。做事喜好凭个人直觉及预感做决定。"));
}

TEST(NumberReading, LargeNumbersWrapToOneTo80)
{
    const struct { qint64 number, key; } cases[] = {
        {81, 1}, {160, 80}, {80, 80}, {0, 0}, {161, 1}, {123456789, 69}, {999999999999999999, 79},
    };
    for (const auto& c : cases) EXPECT_EQ(NumberReading(c.number), NumberReading(c.key)) << c.number;
    const NumberFortune f = fortuneOf(123456789);
    EXPECT_EQ(f.luck, "凶");
    EXPECT_EQ(typeOf(f), "高度戒备难交心型");
}

TEST(NumberReading, NegativeNumbersAreOutsideTheTable)
{
    EXPECT_EQ(NumberReading(-1), "对不起,此号不在分解之类。");
    EXPECT_EQ(fortuneOf(-1), (NumberFortune{"", "", "对不起,此号不在分解之类。"}));
}

TEST(NumberReading, LuckWordsFollowTheTable)
{
    const struct { const char* luck; std::vector<int> keys; } table[] = {
        {"吉", {0, 2, 4, 5, 6, 7, 10, 12, 14, 15, 16, 17, 20, 22, 23, 24, 28, 30, 31, 32, 34, 36, 38, 40, 44, 46, 47,
                51, 56, 62, 64, 66, 67, 72, 80}},
        {"凶", {1, 3, 8, 9, 11, 13, 18, 19, 21, 25, 27, 29, 33, 35, 43, 45, 48, 53, 55, 58, 59, 61, 63, 65, 68, 69, 71,
                73, 75, 78}},
        {"吉带凶", {39, 41, 42, 49, 50, 52, 54, 60, 70, 74, 76, 77, 79}},
        {"凶带吉", {26, 37, 57}},
    };
    std::set<int> seen;
    for (const auto& row : table)
        for (int key : row.keys) {
            EXPECT_EQ(fortuneOf(key).luck, QString::fromUtf8(row.luck)) << key;
            seen.insert(key);
        }
    EXPECT_EQ(seen.size(), 81u);
}

TEST(NumberReading, EveryKeyOfATypeSharesItsDescription)
{
    const struct { const char* type; std::vector<int> keys; } table[] = {
        {"做事喜好凭直觉型", {0, 9, 18, 26, 28, 36, 51, 59, 71, 80}},
        {"独断独行/吸引人型", {1, 10, 19, 29, 37, 52, 60, 72, 73}},
        {"热情/善变梦想家型", {2, 11, 20, 30, 38, 44, 53, 61, 74}},
        {"自我牺牲/性格被动型", {3, 12, 21, 31, 39, 45, 62, 75}},
        {"要面包不要爱情型", {4, 13, 22, 32, 40, 46, 54, 63, 76}},
        {"不善表达/疑心大型", {5, 14, 23, 33, 41, 47, 55, 64, 67, 77}},
        {"大胆行事冲动派型", {6, 15, 24, 34, 42, 48, 56, 65, 68, 78}},
        {"高度戒备难交心型", {7, 16, 43, 49, 57, 69}},
        {"好奇心旺求知欲强型", {8, 17, 25, 27, 35, 50, 58, 66, 70, 79}},
    };
    std::set<QString> descriptions;
    for (const auto& row : table) {
        const QString detail = fortuneOf(row.keys.front()).detail;
        descriptions.insert(detail);
        for (int key : row.keys) {
            EXPECT_EQ(typeOf(fortuneOf(key)), QString::fromUtf8(row.type)) << key;
            EXPECT_EQ(fortuneOf(key).detail, detail) << key;
        }
    }
    EXPECT_EQ(descriptions.size(), 9u);
}

TEST(NumberReading, ReadingsAreFourShortPhrasesAndDistinct)
{
    std::set<QString> readings;
    for (int key = 0; key <= 80; ++key) {
        const QString state = fortuneOf(key).state;
        EXPECT_EQ(state.split(u'，').size(), 4) << key;
        readings.insert(state);
    }
    EXPECT_EQ(readings.size(), 81u);
}

TEST(NumberFortune, ChecksTheInputLikeTheWindows)
{
    EXPECT_EQ(numberFortune(" ", true).error(), "请输入你的QQ号码！");
    EXPECT_EQ(numberFortune("", false).error(), "请输入你的号码！");
    EXPECT_FALSE(numberFortune("12a", false));
    EXPECT_FALSE(numberFortune("99999999999999999999", false));  // beyond 64 bits
    EXPECT_EQ(*numberFortune(" 81 ", true), fortuneOf(1));
}

TEST(SplitNumberReading, CutsAtTheFirstTwoBars)
{
    EXPECT_EQ(splitNumberReading("a|b|c|d"), (NumberFortune{"a", "b", "c|d"}));
    EXPECT_EQ(splitNumberReading("a|b"), (NumberFortune{"a", "b", ""}));
    EXPECT_EQ(splitNumberReading("abc"), (NumberFortune{"", "", "abc"}));
}

TEST(Shoujiinfostr, ReducesTheDigitsFromTheEighthOn)
{
    const struct { const char* number; const char* key; } cases[] = {
        {"13800001234", "34"},  // 1234 mod 80
        {"13800000160", ""},    // a multiple of 80
        {"13800000000", ""},    // 0
        {"13800000001", "1"},
        {"13800000079", "79"},
        {"12345678", "8"},      // eight digits: only the last one counts
        {"1234567890", "10"},   // 890 mod 80
        {"1234567", ""},        // seven digits: no key
        {"", ""},
        {"1380000abcd", ""},    // pasted letters make no number
    };
    for (const auto& c : cases) EXPECT_EQ(shoujiinfostr(c.number), QString::fromUtf8(c.key)) << c.number;
}

TEST(MobileFortune, ReadsTheRowOfTheKeyOrSaysSuperLucky)
{
    FixtureDbs dbs;
    dbs.exec(Db::Dream, "insert into shouji values ('34', ' 标题 ', ' 吉 ', ' 内容 ')");
    EXPECT_EQ(*mobileFortune("13800001234"), (NumberFortune{"标题", "吉", "内容"}));
    EXPECT_EQ(*mobileFortune("13800000035"), (NumberFortune{}));  // no row
    const NumberFortune super{"超吉", "超吉", "超吉不做详细评论"};
    EXPECT_EQ(*mobileFortune("13800000160"), super);
    EXPECT_EQ(mobileFortune("  ").error(), "请输入11位手机号码！");
}

TEST(MobileFortune, OnlyElevenDigitsGetAReading)
{
    FixtureDbs dbs;
    dbs.exec(Db::Dream, "insert into shouji values ('34', '标题', '吉', '内容')");
    const QString notDigits = "手机号码只能由数字组成，请检查后重新输入！";
    const struct { const char* number; QString error; const char* why; } cases[] = {
        {"12", "手机号码是11位数字，您输入了2位，请检查后重新输入！", "two digits used to read as 超吉"},
        {"1234567", "手机号码是11位数字，您输入了7位，请检查后重新输入！", "too short for a key"},
        {"1380000123", "手机号码是11位数字，您输入了10位，请检查后重新输入！", "one digit missing"},
        {"138000012345", "手机号码是11位数字，您输入了12位，请检查后重新输入！", "one digit too many"},
        {"1380000abcd", notDigits, "pasted letters"},
        {"138 0000 1234", notDigits, "blanks inside"},
        {"+8613800001234", notDigits, "a country prefix"},
        {"１３８０００01234", notDigits, "full-width digits"},
    };
    for (const auto& c : cases) {
        const auto f = mobileFortune(QString::fromUtf8(c.number));
        ASSERT_FALSE(f) << c.why;
        EXPECT_EQ(f.error(), c.error) << c.why;
    }
    EXPECT_EQ(mobileFortune(" 13800001234 ")->state, "标题");  // blanks around are trimmed
}

TEST(MobileFortune, AbandonsWhenTheFileIsMissingButNotForKeyZero)
{
    FixtureDbs dbs;  // no dream.dll
    EXPECT_THROW(mobileFortune("13800001234"), ActionAbandoned);
    EXPECT_EQ(mobileFortune("13800000160")->luck, "超吉");
}

TEST(MobileFortune, TheBuiltTableAnswersEveryKey)
{
    BuiltDbs built;
    const std::set<QString> lucks = {"大吉", "吉", "半吉", "凶", "大凶"};
    for (int key = 1; key < 80; ++key) {
        const auto f = mobileFortune(QStringLiteral("1380000%1").arg(key, 4, 10, QChar(u'0')));
        ASSERT_TRUE(f);
        EXPECT_FALSE(f->state.isEmpty()) << key;
        EXPECT_TRUE(lucks.count(f->luck)) << key;
        EXPECT_GE(f->detail.count(u'。'), 2) << key;
    }
}
