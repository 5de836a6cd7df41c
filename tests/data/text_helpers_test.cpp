#include "data/date_text.h"
#include "data/gbk_text.h"
#include "data/text_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(GbkText, ChineseCountsTwoBytesAndAsciiOne)
{
    const struct { const char* text; int bytes; } cases[] = {{"", 0}, {"张", 2}, {"欧阳", 4}, {"Li", 2}, {"王a1", 4}};
    for (const auto& c : cases) EXPECT_EQ(gbkByteLength(QString::fromUtf8(c.text)), c.bytes) << c.text;
}

TEST(GbkText, CuttingNeverSplitsACharacter)
{
    const struct { const char* text; int bytes; const char* want; } cases[] = {
        {"王明华", 4, "王明"}, {"王明华", 5, "王明"}, {"ab张三", 3, "ab"}, {"ab张三", 4, "ab张"}, {"张", 0, ""}};
    for (const auto& c : cases) EXPECT_EQ(gbkLeft(QString::fromUtf8(c.text), c.bytes), QString::fromUtf8(c.want)) << c.text;
}

TEST(ReportFile, WritesGbkBytesWithCrLfAndKeepsCharactersBeyondGbk)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("张三.txt");
    const QStringList lines = {"张三", "", "𠀀A"};  // U+20000 has no GBK code
    ASSERT_TRUE(writeReportFile(path, lines));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith(QByteArray::fromHex("d5c5c8fd0d0a0d0a"))) << bytes.toHex().toStdString();
    EXPECT_FALSE(bytes.contains('?'));
    EXPECT_EQ(decodeGb18030(bytes), "张三\r\n\r\n𠀀A\r\n");
}

TEST(ReportFile, AFailedWriteIsReported)
{
    QTemporaryDir dir;
    const auto result = writeReportFile(QDir(dir.path()).filePath("no/such/folder/x.txt"), {"a"});
    ASSERT_FALSE(result);
    EXPECT_TRUE(result.error().startsWith("保存失败")) << result.error().toStdString();
}

TEST(DateText, WritesAndReadsYearMonthDay)
{
    EXPECT_EQ(dateText(QDate(1980, 1, 1)), "1980-01-01");
    EXPECT_EQ(dateText(QDate()), "0001-01-01");
    const struct { const char* text; QDate want; } good[] = {
        {"1980-1-1", QDate(1980, 1, 1)}, {"1980-01-01", QDate(1980, 1, 1)}, {" 2000-2-29 ", QDate(2000, 2, 29)}};
    for (const auto& c : good) {
        const auto d = parseDateText(c.text);
        ASSERT_TRUE(d) << c.text;
        EXPECT_EQ(*d, c.want);
    }
    for (const char* bad : {"1980-2-30", "1981-2-29", "1980-13-1", "1980-1", "年-1-1", "", "1980-1-1-1"}) {
        const auto d = parseDateText(bad);
        ASSERT_FALSE(d) << bad;
        EXPECT_TRUE(d.error().contains("不是有效的日期"));
    }
    EXPECT_EQ(*parseDateParts(" 1984", "2 ", "4"), QDate(1984, 2, 4));
}
