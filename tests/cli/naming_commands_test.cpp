// plans and names: the naming page's functions from the command line.
#include "tests/cli/command_run.h"
#include "naming/name_placement.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

TEST(NamingCommands, PlansFollowTheOptionsOfThePage)
{
    BuiltDbs dbs;
    const QStringList two = linesOf(cli({"plans", "--surname", "王"}));
    ASSERT_EQ(two.size(), 21);
    EXPECT_EQ(two.front(), "电脑全自动");
    EXPECT_TRUE(two[1].startsWith("4|") && two[1].contains('-')) << two[1].toStdString();

    const QStringList one = linesOf(cli({"plans", "--surname", "王", "--length", "单字名", "--no-min"}));
    EXPECT_GT(one.size(), 21) << "more than the 20 two-character plans";
    EXPECT_LE(one.size(), 41);
    EXPECT_FALSE(one[1].contains('-'));

    const QStringList fixed = linesOf(cli({"plans", "--surname", "王", "--fixed", "明"}));
    EXPECT_GT(fixed.size(), 21) << "a fixed character drops the minimum and allows 80 plans";
    for (const QString& item : fixed.mid(1)) EXPECT_TRUE(item.startsWith("4|8-")) << item.toStdString();

    EXPECT_TRUE(linesOf(cli({"plans", "--surname", "欧阳"}))[1].startsWith("15-17|"));
}

TEST(NamingCommands, NamesPrintTheSearchAndItsPickedLines)
{
    BuiltDbs dbs;
    const QString plan = linesOf(cli({"plans", "--surname", "王", "--no-min"}))[1];
    const CommandRun all = cli({"names", "--surname", "王", "--sex", "男", "--plan", plan, "--no-min"});
    ASSERT_EQ(all.status, kExitOk) << all.err.toStdString();
    const QStringList lines = linesOf(all);
    ASSERT_FALSE(lines.isEmpty());
    const QString score = plan.mid(plan.indexOf('('));
    for (const QString& line : lines) EXPECT_TRUE(line.startsWith("王") && line.endsWith(score)) << line.toStdString();

    const int planScore = scoreOfLine(plan);
    const QStringList picked = linesOf(cli({"names", "--surname", "王", "--sex", "男", "--plan", plan, "--no-min",
                                            "--pick", QString::number(planScore), "--picked"}));
    EXPECT_EQ(picked, lines);
    EXPECT_TRUE(linesOf(cli({"names", "--surname", "王", "--sex", "男", "--plan", plan, "--no-min",
                             "--pick", QString::number(planScore + 1), "--picked"})).isEmpty() || planScore >= 99);
    EXPECT_TRUE(linesOf(cli({"names", "--surname", "王", "--sex", "男", "--plan", plan, "--no-pick", "--picked"})).isEmpty());
}

TEST(NamingCommands, BadInputIsRefusedWithStatusTwoAndNoResult)
{
    BuiltDbs dbs;
    const QList<QStringList> refused = {
        {"plans"},
        {"plans", "--surname", " "},
        {"plans", "--surname", "王", "--length", "三字名"},
        {"plans", "--surname", "王", "--position", "第一字"},
        {"plans", "--surname", "王", "--min", "abc"},
        {"plans", "--surname", "王", "--min", "70", "--no-min"},
        {"names", "--surname", "王"},
        {"names", "--surname", "王", "--sex", "中"},
        {"names", "--surname", "王", "--sex", "男", "--plan", "4|8-10"},
        {"names", "--surname", "王", "--sex", "男", "--plan", "4|8(85分)"},
        {"names", "--surname", "王", "--sex", "男", "--elements", "木x"},
        {"names", "--surname", "王", "--sex", "男", "--pick", "high"},
    };
    for (const QStringList& args : refused) {
        const CommandRun run = cli(args);
        EXPECT_EQ(run.status, kExitUsage) << args.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << args.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty()) << args.join(' ').toStdString();
    }
}

TEST(NamingCommands, AMissingDictionaryExitsWithStatusOne)
{
    FixtureDbs dbs;
    EXPECT_EQ(cli({"plans", "--surname", "王"}).status, kExitFailure);
    EXPECT_EQ(cli({"names", "--surname", "王", "--sex", "女"}).status, kExitFailure);
}
