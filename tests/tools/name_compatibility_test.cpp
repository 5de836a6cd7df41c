#include "tools/name_compatibility.h"

#include "tests/support/qt_printers.h"

#include <QStringConverter>
#include <gtest/gtest.h>

namespace {

// The table index of a character through Qt's own GBK codec, independent of the code under test.
int cellOf(const QString& ch)
{
    const QByteArray b = QStringEncoder("GBK").encode(ch);
    return (static_cast<unsigned char>(b[0]) - 0xB0) * 94 + (static_cast<unsigned char>(b[1]) - 0xA1);
}

}  // namespace

TEST(SimplifiedStrokeTable, QuotedRowsAndZeroCells)
{
    const struct { const char* ch; int strokes; } rows[] = {
        {"啊", 10}, {"阿", 7}, {"一", 1}, {"二", 2}, {"三", 3}, {"王", 4}, {"马", 3},
        {"龙", 5}, {"刘", 6}, {"李", 7}, {"张", 7}, {"明", 8}, {"黄", 11}, {"癌", 17},
    };
    for (const auto& r : rows) {
        const QString ch = QString::fromUtf8(r.ch);
        EXPECT_EQ(SimplifiedStrokeTable(cellOf(ch)), r.strokes) << r.ch;
        EXPECT_EQ(simplifiedStrokes(ch), r.strokes) << r.ch;
    }
    const QString radicals = QStringLiteral("丨丿丶匚刂冂亻勹亠冫冖讠卩阝廴凵艹廾尢扌囗彡犭夂饣忄丬氵宀辶彐屮纟攵灬礻肀钅疒衤虍");
    ASSERT_EQ(radicals.size(), 41);
    for (QChar c : radicals) EXPECT_EQ(SimplifiedStrokeTable(cellOf(c)), 0) << QString(c).toStdString();
    for (int col = 0xFA; col <= 0xFE; ++col) EXPECT_EQ(SimplifiedStrokeTable((0xD7 - 0xB0) * 94 + col - 0xA1), 0) << col;
}

TEST(SimplifiedStrokeTable, EveryOtherCellHasOneToThirtyStrokes)
{
    int zeros = 0;
    for (int i = 0; i < kGb2312HanziCells; ++i) {
        const int n = SimplifiedStrokeTable(i);
        EXPECT_LE(n, 30) << i;
        zeros += n == 0;
    }
    EXPECT_EQ(zeros, 5 + 41);
    EXPECT_EQ(SimplifiedStrokeTable(-1), 0);
    EXPECT_EQ(SimplifiedStrokeTable(kGb2312HanziCells), 0);
}

TEST(StrokeTotal, CountsOnlyTheHanziArea)
{
    EXPECT_EQ(StrokeTotal(QStringLiteral("张明")), 15);
    EXPECT_EQ(StrokeTotal(QStringLiteral("Zhang Ming 3!")), 0);
    EXPECT_EQ(StrokeTotal(QStringLiteral("王，李")), 11);  // full-width comma: row 0xA3, outside the area
    EXPECT_EQ(StrokeTotal(QStringLiteral("丂")), 0);       // GBK but not GB2312
    EXPECT_EQ(StrokeTotal(QStringLiteral("𠀀王")), 4);      // outside GBK altogether
    EXPECT_EQ(StrokeTotal(QByteArray("\xCD\xF5\xC0")), 4);  // a last lead byte without follower
}

TEST(CompatibilityText, QuotedRowsAndBeyond)
{
    EXPECT_EQ(CompatibilityText(0), "亲密无间 得分88分");
    EXPECT_EQ(CompatibilityText(3), "知心朋友 得分72分");
    EXPECT_EQ(CompatibilityText(25), "恨你又爱你 得分99分");
    EXPECT_EQ(CompatibilityText(26), "只有天知道,你的分析不在我们的范围");
    EXPECT_EQ(CompatibilityText(300), "只有天知道,你的分析不在我们的范围");
}

TEST(CompatibilityTest, UsesTheDifferenceBothWays)
{
    EXPECT_EQ(*compatibilityTest("王", "李"), "知心朋友 得分72分");
    EXPECT_EQ(*compatibilityTest("李", "王"), "知心朋友 得分72分");
    EXPECT_EQ(*compatibilityTest("张明", "张明"), "亲密无间 得分88分");
    EXPECT_EQ(*compatibilityTest("John", "Mary"), "亲密无间 得分88分");
    EXPECT_EQ(*compatibilityTest("  ", "癌"), "忠心的人 得分75分");  // blanks pass and count 0: d = 17
    EXPECT_EQ(*compatibilityTest("一", "黄黄黄"), "只有天知道,你的分析不在我们的范围");  // d = 32
    EXPECT_EQ(compatibilityTest("", "李").error(), "请输入你们的姓名！");
    EXPECT_EQ(compatibilityTest("王", "").error(), "请输入你们的姓名！");
}
