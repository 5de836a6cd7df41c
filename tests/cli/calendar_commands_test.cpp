// The calendar commands of jiaming-cli and their option parser, run in-process.
#include "cli/cmd_calendar.h"
#include "tests/cli/command_run.h"
#include "cli/options.h"
#include "calendar/bazi_report.h"

#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <QTextStream>
#include <gtest/gtest.h>

TEST(ParseOptions, PairsAndFaults)
{
    const QStringList allowed = {"year", "hour", "surname"};
    const auto ok = parseOptions({"--year", "1984", "--hour=午 12", "--surname", ""}, allowed);
    ASSERT_TRUE(ok) << ok.error().toStdString();
    EXPECT_EQ(ok->value("year"), "1984");
    EXPECT_EQ(ok->value("hour"), "午 12");
    EXPECT_TRUE(ok->contains("surname"));
    EXPECT_EQ(ok->value("surname"), "");
    EXPECT_FALSE(ok->contains("month"));
    EXPECT_TRUE(parseOptions({}, allowed));

    const struct { QStringList args; const char* error; } faults[] = {
        {{"--month", "2"}, "unknown option: --month"},
        {{"--year", "1984", "--year=1985"}, "option given twice: --year"},
        {{"--year"}, "option --year needs a value"},
        {{"--year", "--hour", "8"}, "option --year needs a value"},
        {{"1984"}, "unexpected argument: 1984"},
        {{"--"}, "unexpected argument: --"},
    };
    for (const auto& f : faults) {
        const auto r = parseOptions(f.args, allowed);
        ASSERT_FALSE(r) << f.error;
        EXPECT_EQ(r.error(), f.error);
    }
}

TEST(CalendarCommands, LunarSolarAndSign)
{
    const struct { int (*command)(const QStringList&, CliStreams); QStringList args; const char* out; } cases[] = {
        {runLunar, {"1984-02-02"}, "1984\t1\t1\t0\t甲子(鼠年)一月初一\n"},
        {runLunar, {"2023-03-22"}, "2023\t2\t1\t1\t癸卯(兔年)闰二月初一\n"},
        {runSolar, {"1984", "1", "1"}, "1984-02-02\n"},
        {runSolar, {"2023", "2", "1", "1"}, "2023-03-22\n"},
        {runSolar, {"2023", "2", "1", "0"}, "2023-02-20\n"},
        {runSign, {"2000-04-21"}, "金牛座 \n"},
        {runSign, {"2000-12-22"}, "摩羯座\n"},
    };
    for (const auto& c : cases) {
        const CommandRun r = run(c.command, c.args);
        EXPECT_EQ(r.status, kExitOk) << c.args.join(' ').toStdString();
        EXPECT_EQ(r.out, QString::fromUtf8(c.out)) << c.args.join(' ').toStdString();
    }
}

TEST(CalendarCommands, BadArgumentsGiveUsage)
{
    const struct { int (*command)(const QStringList&, CliStreams); QStringList args; } cases[] = {
        {runLunar, {}}, {runLunar, {"1984-13-01"}}, {runSolar, {"1984", "1"}}, {runSolar, {"一", "1", "1"}},
        {runSolar, {"1984", "1", "1", "yes"}}, {runSign, {"2000-02-30"}}, {runBone, {"1984", "1", "1"}},
        {runTerms, {"next"}}, {runPillars, {"--hour", "8"}}, {runPillars, {"--date", "1984-02-04", "--hour", "24"}},
        {runPillars, {"--date", "1984-02-04", "--sex", "m"}}, {runBazi, {"--name", "李"}},
        {runBazi, {"--calendar", "阴历"}},
        {runLunar, {"1899-12-31"}},  // before the lunar table
        {runSolar, {"2023", "3", "30"}},  // a 29-day month
        {runSolar, {"2023", "0", "1"}},
        {runSolar, {"2023", "4", "1", "1"}},  // 2023 has no leap fourth month
    };
    for (const auto& c : cases) {
        const CommandRun r = run(c.command, c.args);
        EXPECT_EQ(r.status, kExitUsage) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.contains("usage: jiaming-cli")) << r.err.toStdString();
    }
}

TEST(CalendarCommands, BoneWeightLines)
{
    FixtureDbs dbs;
    dbs.exec(Db::Dream, "insert into chenggu1 values ('1984', 1.2); insert into chenggu2 values (1, 0.6);"
                        " insert into chenggu3 values (1, 0.5); insert into chenggu4 values (0, 1.6);"
                        " insert into chenggu values ('39', '歌', '解');");
    EXPECT_EQ(run(runBone, {"1984", "1", "1", "0"}).out, "你的骨重为：3两9钱\n骨重诗评：歌\n骨重解评：解\n");
    const CommandRun none = run(runBone, {"1984", "1", "1", "8"});  // no weight for hour 8: 2两3钱 has no row
    EXPECT_EQ(none.status, kExitOk);
    EXPECT_EQ(none.out, "");
    dbs.remove(Db::Dream);
    const CommandRun unreadable = run(runBone, {"1984", "1", "1", "0"});
    EXPECT_EQ(unreadable.status, kExitFailure);
    EXPECT_EQ(unreadable.out, "");
}

TEST(CalendarCommands, TermsInAlmanacOrder)
{
    {
        FixtureDbs dbs;
        dbs.exec(Db::Tgcode, "insert into JQ values (2024, '冬至', '2024-12-21 17:20:34'), (2024, '立春', '2024-02-04 16:26:53'),"
                             " (2024, '小寒', '2024-01-06 04:49:09'), (2025, '小寒', '2025-01-05 10:32:31');");
        const CommandRun r = run(runTerms, {"2024"});
        EXPECT_EQ(r.status, kExitOk);
        EXPECT_EQ(r.out, "小寒\t2024-01-06 04:49:09\n立春\t2024-02-04 16:26:53\n冬至\t2024-12-21 17:20:34\n");
        dbs.remove(Db::Tgcode);
        EXPECT_EQ(run(runTerms, {"2024"}).status, kExitFailure);
    }
    BuiltDbs built;
    const QStringList rows = run(runTerms, {"1984"}).out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 24);
    EXPECT_TRUE(rows[0].startsWith("小寒\t1984-01-"));
    EXPECT_TRUE(rows[2].startsWith("立春\t1984-02-04 23:1")) << rows[2].toStdString();
    EXPECT_TRUE(rows[23].startsWith("冬至\t1984-12-2"));
}

TEST(CalendarCommands, PillarsWithTheBuiltTermTable)
{
    BuiltDbs dbs;
    const CommandRun r = run(runPillars, {"--date", "1984-02-04", "--hour", "12", "--minute", "0", "--sex", "男"});
    EXPECT_EQ(r.status, kExitOk) << r.err.toStdString();
    EXPECT_EQ(r.out, "癸亥 乙丑 戊辰 戊午\n逆\n10\n乙丑   甲子   癸亥   壬戌   辛酉   庚申   己未   戊午   丁巳   丙辰\n丙辰\n");
    const CommandRun woman = run(runPillars, {"--date", "1984-02-04", "--hour", "12", "--sex", "女"});
    EXPECT_TRUE(woman.out.startsWith("癸亥 乙丑 戊辰 戊午\n顺\n")) << woman.out.toStdString();
}

TEST(CalendarCommands, BaziReport)
{
    BuiltDbs dbs;
    const QStringList args = {"--surname", "李", "--given", "雅亮", "--year", "1984", "--month", "2", "--day", "4", "--hour", "午 12"};
    const CommandRun r = run(runBazi, args);
    EXPECT_EQ(r.status, kExitOk) << r.err.toStdString();
    BaziReportInput in{"李", "雅亮", {}};
    in.birth.year = "1984";
    in.birth.month = "2";
    in.birth.day = "4";
    in.birth.hour = "午 12";
    EXPECT_EQ(r.out, buildBaziReport(in, QDate::currentDate()).lines.join('\n') + '\n');

    // the page's birth row when nothing is given: 男, 公历, 1980-1-1, 子 0, minute 0
    const QStringList defaults = run(runBazi, {}).out.split('\n');
    ASSERT_GT(defaults.size(), 8);
    EXPECT_EQ(defaults[4], "姓名：");
    EXPECT_EQ(defaults[6], "您出生公历：1980年01月01日0点0分");

    const CommandRun lunar = run(runBazi, {"--calendar", "农历", "--year", "1984", "--month", "1", "--day", "1"});
    EXPECT_TRUE(lunar.out.contains("\n农历：甲子(鼠年)一月初一\n")) << lunar.out.toStdString();

    const struct { QStringList args; const char* message; } refused[] = {
        {{"--hour", ""}, "请选择出生小时!\n"},
        {{"--day", "30", "--month", "2"}, "'1980-2-30' 不是有效的日期\n"},
        {{"--calendar", "农历", "--year", "2023", "--month", "3", "--day", "30"}, "农历2023年3月30日不存在，请检查输入！\n"},
    };
    for (const auto& c : refused) {
        const CommandRun rr = run(runBazi, c.args);
        EXPECT_EQ(rr.status, kExitUsage);
        EXPECT_EQ(rr.err, QString::fromUtf8(c.message));
        EXPECT_TRUE(rr.out.isEmpty());
    }
}

TEST(CalendarCommands, AnAbandonedBaziReportPrintsNothing)
{
    FixtureDbs dbs;
    dbs.create(Db::Tgcode);
    const CommandRun r = run(runBazi, {"--year", "1984"});
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_FALSE(r.err.isEmpty());
}
