// quality and --recommend: the 音形义 judgement and the recommended names from the command line.
#include "tests/cli/command_run.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

TEST(QualityCommands, QualityPrintsTheScoreEachCheckAndEachCharacter)
{
    BuiltDbs dbs;
    const CommandRun run = cli({"quality", "--surname", "王", "--given", "梓萱", "--sex", "女"});
    ASSERT_EQ(run.status, kExitOk) << run.err.toStdString();
    const QStringList lines = linesOf(run);
    ASSERT_EQ(lines.size(), 1 + 6 + 3) << run.out.toStdString();
    EXPECT_TRUE(lines[0].startsWith("音形义评分: ") && lines[0].endsWith("分")) << lines[0].toStdString();
    const char* const checks[] = {"谐音", "声调", "字形", "字义", "重名", "性别"};
    for (int i = 0; i < 6; ++i) {
        const QStringList cells = lines[1 + i].split('\t');
        ASSERT_EQ(cells.size(), 3) << lines[1 + i].toStdString();
        EXPECT_EQ(cells[0], checks[i]);
        EXPECT_TRUE(cells[1] == "通过" || cells[1] == "注意") << cells[1].toStdString();
        EXPECT_TRUE(cells[2].endsWith("。")) << cells[2].toStdString();
    }
    EXPECT_EQ(lines[7].split('\t').mid(0, 2), QStringList({"王", "wáng"}));
    EXPECT_EQ(lines[8].split('\t').mid(0, 2), QStringList({"梓", "zǐ"}));
    EXPECT_EQ(lines[9].split('\t').mid(0, 2), QStringList({"萱", "xuān"}));
}

TEST(QualityCommands, RecommendPrintsTheBestNamesOfEveryMode)
{
    BuiltDbs dbs;
    const QList<QStringList> searches = {
        {"names", "--surname", "王", "--sex", "男", "--recommend", "5"},
        {"list-names", "--surname", "李", "--sex", "女", "--recommend", "5"},
        {"list-names", "--surname", "李", "--sex", "女", "--mode", "idiom", "--recommend", "5"},
        {"poem-names", "--surname", "王", "--sex", "女", "--text", "蒹葭苍苍，白露为霜。所谓伊人，在水一方。", "--recommend", "5"},
    };
    for (const QStringList& args : searches) {
        const CommandRun run = cli(args);
        ASSERT_EQ(run.status, kExitOk) << args.join(' ').toStdString() << run.err.toStdString();
        const QStringList lines = linesOf(run);
        EXPECT_EQ(lines.size(), 5) << args.join(' ').toStdString();
        int previous = 101;
        for (const QString& line : lines) {
            const QStringList cells = line.split('\t');
            ASSERT_EQ(cells.size(), 2) << line.toStdString();
            EXPECT_TRUE(cells[0].startsWith(args[2]) && cells[0].contains('(')) << line.toStdString();
            const int quality = cells[1].mid(3).chopped(1).toInt();
            EXPECT_LE(quality, previous) << "best first: " << line.toStdString();
            previous = quality;
        }
    }
}

TEST(QualityCommands, BadInputIsRefusedWithStatusTwo)
{
    BuiltDbs dbs;
    const QList<QStringList> refused = {
        {"quality"},
        {"quality", "--surname", "王"},
        {"quality", "--given", "梓萱"},
        {"quality", "--surname", "王", "--given", "ab"},
        {"quality", "--surname", "王", "--given", "梓萱", "--sex", "中"},
        {"quality", "--surname", "王", "--given", "梓萱子轩"},
        {"quality", "--surname", "王", "--given", "梓萱", "--age", "1"},
        {"names", "--surname", "王", "--sex", "男", "--recommend", "0"},
        {"names", "--surname", "王", "--sex", "男", "--recommend", "x"},
        {"names", "--surname", "王", "--sex", "男", "--recommend", "3", "--picked"},
        {"list-names", "--surname", "王", "--sex", "男", "--recommend", "3", "--all"},
        {"poem-names", "--surname", "王", "--sex", "男", "--text", "关关雎鸠", "--recommend", "-1"},
    };
    for (const QStringList& args : refused) {
        const CommandRun run = cli(args);
        EXPECT_EQ(run.status, kExitUsage) << args.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << args.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty()) << args.join(' ').toStdString();
    }
}
