// calendar-day, calendar and almanac, run in-process.
#include "cli/cmd_day_calendar.h"
#include "tests/cli/command_run.h"

#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

TEST(DayCalendarCommands, CalendarDayPrintsEveryAnnotationOfEachDay)
{
    const CommandRun r = cli({"calendar-day", "2024-02-09", "2024-02-10"});
    EXPECT_EQ(r.status, kExitOk);
    EXPECT_EQ(r.out, "2024-02-09\t1230\t腊月\t三十\t除夕\t\t\t卯兔\t水瓶座\n"
                     "2024-02-10\t101\t正月\t初一\t春节\t\t\t辰龙\t水瓶座\n");
    EXPECT_EQ(cli({"calendar-day", "2023-03-22"}).out, "2023-03-22\t-201\t闰二\t初一\t\t\t\t卯兔\t白羊座\n");

    // outside the tables the lunar annotations are unknown: refused, as the month view refuses them
    for (const QStringList& bad : {QStringList{"calendar-day"}, {"calendar-day", "2024-02-30"},
                                   {"calendar-day", "2024-02-10", "2024-02-09"}, {"calendar-day", "a", "b", "c"},
                                   {"calendar-day", "2051-01-01"}})
        EXPECT_EQ(cli(bad).status, kExitUsage) << bad.join(' ').toStdString();
}

TEST(DayCalendarCommands, CalendarPrintsTheMonthAsTheWindowDrawsIt)
{
    const CommandRun r = cli({"calendar", "2024-02"});
    ASSERT_EQ(r.status, kExitOk);
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1 + 29);
    EXPECT_EQ(lines[0], "2024\t2\t卯兔");
    EXPECT_EQ(lines[4], "2024-02-04\t星期日\t立春\tblue");
    EXPECT_EQ(lines[9], "2024-02-09\t星期五\t除夕\torange");
    EXPECT_EQ(lines[10], "2024-02-10\t星期六\t春节\torange");
    EXPECT_EQ(lines[11], "2024-02-11\t星期日\t初二\tgreen");
    EXPECT_EQ(lines[14], "2024-02-14\t星期三\t情人节\torange");
    EXPECT_TRUE(cli({"calendar", "2023-03"}).out.contains("2023-03-22\t星期三\t闰二\tred\n"));

    for (const char* bad : {"2024", "2024-13", "1900-12", "2051-01", "x-1"})
        EXPECT_EQ(cli({"calendar", bad}).status, kExitUsage) << bad;
}

TEST(DayCalendarCommands, AlmanacPrintsTheLabelAndTheSeventeenLines)
{
    BuiltDbs dbs;
    const CommandRun r = cli({"almanac", "2024-02-10"});
    ASSERT_EQ(r.status, kExitOk) << r.err.toStdString();
    const QStringList lines = r.out.split('\n');
    ASSERT_EQ(lines.size(), 1 + 17 + 1);  // the last newline leaves an empty tail
    EXPECT_EQ(lines[0], "2024-02-10  农历甲辰年正月初一，星期六，春节；金匮黄道日，建除值满。");
    EXPECT_EQ(lines[1], "岁次:甲辰年 丙寅月 甲辰日");
    EXPECT_EQ(lines[5], "五行:覆灯火 满执位");
    EXPECT_TRUE(lines[17].startsWith("忌:"));

    const CommandRun invalid = cli({"almanac", "2009-02-29"});
    EXPECT_EQ(invalid.status, kExitUsage);
    EXPECT_EQ(invalid.err, "请选择有效的日期!\n");
    EXPECT_TRUE(invalid.out.isEmpty());
    const CommandRun noRow = cli({"almanac", "2101-01-01"});
    EXPECT_EQ(noRow.status, kExitUsage);
    EXPECT_FALSE(noRow.err.isEmpty());
}

TEST(DayCalendarCommands, AlmanacWithoutItsFileFails)
{
    FixtureDbs dbs;  // no KelBirth.dll
    const CommandRun r = cli({"almanac", "2024-02-10"});
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_TRUE(r.out.isEmpty());
}
