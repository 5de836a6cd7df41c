// The name commands of jiaming-cli, run in-process through the same dispatcher as the program.
#include "tests/cli/command_run.h"
#include "numerology/luck_numbers.h"
#include "numerology/name_score.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <QTextStream>
#include <gtest/gtest.h>

TEST(NameCommands, StrokesGridsAndScore)
{
    BuiltDbs dbs;
    EXPECT_EQ(cli({"strokes", "欧阳"}).out, "欧\t15\tōu\t土\n阳\t17\tyáng\t土\n");
    EXPECT_EQ(cli({"grids", "李", "雅亮"}).out, "8\t19\t21\t28\t10\n");
    EXPECT_EQ(cli({"score", "李", "雅亮"}).out, formatScore(NameScore("李", "雅亮")) + "\n");
    EXPECT_EQ(cli({"score", "李"}).status, kExitUsage);
    EXPECT_EQ(cli({"grids", "", "雅"}).status, kExitUsage);
}

TEST(NameCommands, ReportsPrintTheirLinesAndRefuseWithStatusTwo)
{
    BuiltDbs dbs;
    const CommandRun window = cli({"analyse", "--surname", "李", "--given", "雅亮", "--year", "1990", "--month", "6",
                                  "--day", "15", "--hour", "辰 8", "--minute", "05"});
    ASSERT_EQ(window.status, kExitOk) << window.err.toStdString();
    const QStringList lines = window.out.split('\n');
    EXPECT_EQ(lines[5], "您出生公历: 1990年06月15日8点05分");
    EXPECT_EQ(lines[6], "农历:庚午(马年)五月廿三");

    const CommandRun defaults = cli({"name-report", "--surname", "李", "--given", "明"});
    ASSERT_EQ(defaults.status, kExitOk) << defaults.err.toStdString();
    EXPECT_EQ(defaults.out.split('\n')[6], "您出生公历：1980年01月01日0点0分");

    const CommandRun refused = cli({"analyse", "--surname", "李"});
    EXPECT_EQ(refused.status, kExitUsage);
    EXPECT_EQ(refused.err, "名不能为空!\n");
    EXPECT_TRUE(refused.out.isEmpty());

    const CommandRun badDate = cli({"name-report", "--surname", "李", "--given", "明", "--month", "2", "--day", "30"});
    EXPECT_EQ(badDate.status, kExitUsage);
    EXPECT_EQ(badDate.err, "'1980-2-30' 不是有效的日期\n");

    EXPECT_EQ(cli({"analyse", "--surname", "李", "--nickname", "x"}).status, kExitUsage);
}

TEST(NameCommands, AnUnreadableNumberFileExitsWithStatusOne)
{
    FixtureDbs dbs;
    dbs.exec(Db::Velmora, "insert into word (zi, ft, bh, pinyin, wuhang) values ('李', '李', 7, 'lǐ', '木');");
    EXPECT_EQ(cli({"score", "李", "李"}).status, kExitFailure);
    const CommandRun partial = cli({"analyse", "--surname", "李", "--given", "李"});
    EXPECT_EQ(partial.status, kExitFailure);
    EXPECT_EQ(partial.out.split('\n', Qt::SkipEmptyParts).size(), 9);
}
