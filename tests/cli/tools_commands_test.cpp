// The folk-tool commands of jiaming-cli: the values the tool windows show, one per line.
#include "tests/cli/command_run.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"
#include "tools/number_reading.h"

#include <gtest/gtest.h>

namespace {

QString fortuneLines(const NumberFortune& f)
{
    return f.state + "\n" + f.luck + "\n" + f.detail + "\n";
}

}  // namespace

TEST(ToolCommands, NumberAndQqPrintTheThreeValues)
{
    EXPECT_EQ(cli({"number", "123456789"}).out, fortuneLines(splitNumberReading(NumberReading(69))));
    EXPECT_EQ(cli({"qq", "81"}).out, fortuneLines(splitNumberReading(NumberReading(1))));
    EXPECT_EQ(cli({"number", "-3"}).out, "\n\n对不起,此号不在分解之类。\n");
    const CommandRun empty = cli({"qq", " "});
    EXPECT_EQ(empty.status, kExitUsage);
    EXPECT_EQ(empty.err, "请输入你的QQ号码！\n");
    EXPECT_EQ(cli({"number", ""}).err, "请输入你的号码！\n");
    EXPECT_EQ(cli({"number", "12x"}).status, kExitUsage);
}

TEST(ToolCommands, MobileReadsShoujiOrSaysSuperLucky)
{
    FixtureDbs dbs;
    dbs.exec(Db::Dream, "insert into shouji values ('34', '题', '吉', '文')");
    EXPECT_EQ(cli({"mobile", "13800001234"}).out, "题\n吉\n文\n");
    EXPECT_EQ(cli({"mobile", "13800000160"}).out, "超吉\n超吉\n超吉不做详细评论\n");
    EXPECT_EQ(cli({"mobile", ""}).err, "请输入11位手机号码！\n");
    dbs.remove(Db::Dream);
    EXPECT_EQ(cli({"mobile", "13800001234"}).status, kExitFailure);
}

TEST(ToolCommands, LoveStrokesInitialsAndNetName)
{
    EXPECT_EQ(cli({"love", "王", "李"}).out, "知心朋友 得分72分\n");
    EXPECT_EQ(cli({"love", "", "李"}).err, "请输入你们的姓名！\n");
    EXPECT_EQ(cli({"gbstrokes", "李A丨"}).out, "李\t7\nA\t0\n丨\t0\n");
    EXPECT_EQ(cli({"initials", "小宝。"}).out, "XB\n");
    EXPECT_EQ(cli({"initials", "小宝。", "--full", "--unknown"}).out, "XIAOBAO?\n");
    EXPECT_EQ(cli({"netname", "ABC3"}).out, "可爱，较明显的自恋\n");
    EXPECT_EQ(cli({"netname", "小宝。"}).out, "\n");
    const CommandRun empty = cli({"netname", "  "});
    EXPECT_EQ(empty.status, kExitUsage);
    EXPECT_EQ(empty.err, "请输入你的网名！\n");
}

TEST(ToolCommands, WuxingPrintsTheElementsSideBySide)
{
    BuiltDbs dbs;
    const CommandRun run = cli({"wuxing", "王李"});
    ASSERT_EQ(run.status, kExitOk) << run.err.toStdString();
    EXPECT_EQ(run.out, "土火\n");
    EXPECT_EQ(cli({"wuxing", " "}).status, kExitUsage);
}
