#include "data/date_text.h"
#include "data/gbk_text.h"
#include "data/sex.h"
#include "data/text_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

TEST(SexText, ReadsAsTheLuckDirectionAlwaysHasAndPrintsBack)
{
    // Only the exact text "男" is male; the callers trim the box first.
    const struct { const char* text; Sex want; } cases[] = {
        {"男", Sex::Male}, {"女", Sex::Female}, {" 男", Sex::Female}, {"", Sex::Female}, {"通", Sex::Female}};
    for (const auto& c : cases) EXPECT_EQ(SexOfText(QString::fromUtf8(c.text)), c.want) << c.text;
    for (const Sex sex : {Sex::Male, Sex::Female}) EXPECT_EQ(SexOfText(SexText(sex)), sex);
    EXPECT_EQ(SexText(Sex::Male).toStdString(), "男");
    EXPECT_EQ(SexText(Sex::Female).toStdString(), "女");
}

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

TEST(ReportFile, AFolderThatCannotBeWrittenIsReportedAndGetsNoFile)
{
    // Root writes through permission bits; a folder of /proc refuses everyone.
    const QString path = QStringLiteral("/proc/self/张三.txt");
    const auto result = writeReportFile(path, {"张三"});
    ASSERT_FALSE(result);
    EXPECT_TRUE(result.error().startsWith("保存失败")) << result.error().toStdString();
    EXPECT_FALSE(QFile::exists(path));
}

namespace {

// Runs in the child process: exits 0 when the write under a 1 KiB file-size limit is reported as failed.
[[noreturn]] void writeUnderFileSizeLimit(const QString& path, const QStringList& lines)
{
    std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit then fails with EFBIG
    const rlimit limit{1024, 1024};
    setrlimit(RLIMIT_FSIZE, &limit);
    const auto result = writeReportFile(path, lines);
    std::_Exit(!result && result.error().startsWith(QStringLiteral("保存失败")) ? 0 : 1);
}

}  // namespace

// A full disk, played by a file-size limit in a child process: the write fails, the failure is
// reported, and the folder holds the old report under the chosen name and nothing else.
TEST(ReportFileDeathTest, AFullDiskKeepsTheOldFileAndLeavesNoHalfWrittenOne)
{
    const QStringList line = {QString(100, QChar(u'张'))};
    const struct { const char* what; int lines; } sizes[] = {
        {"a report that fits the write buffer", 40},      // fails when it is flushed on commit
        {"a report larger than the write buffer", 2000},  // fails on the write itself
    };
    for (const auto& size : sizes) {
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).filePath("张三.txt");
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old report") == 10);
        old.close();
        QStringList lines;
        for (int i = 0; i < size.lines; ++i) lines << line;

        EXPECT_EXIT(writeUnderFileSizeLimit(path, lines), ::testing::ExitedWithCode(0), "")
            << size.what;
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        EXPECT_EQ(old.readAll(), "old report") << size.what;
        old.close();
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"张三.txt"}) << size.what;
    }
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
