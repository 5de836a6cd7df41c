// places and strength, and the birthplace and 子-hour options of the chart commands.
#include "cli/cmd_places.h"
#include "tests/cli/command_run.h"

#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

TEST(ChartCommands, PlacesListsNameWhereLongitudeAndLatitude)
{
    BuiltDbs dbs;
    const CommandRun r = cli({"places", "wlmq"});
    EXPECT_EQ(r.status, kExitOk) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith("乌鲁木齐市\t新疆维吾尔自治区\t87.63\t43.79\n")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("乌鲁木齐县\t新疆维吾尔自治区 乌鲁木齐市\t87.41\t43.47\n")) << r.out.toStdString();

    for (const QStringList& bad : {QStringList{"places"}, QStringList{"places", " "}, QStringList{"places", "qqqqqq"},
                                   QStringList{"places", "a", "b"}}) {
        const CommandRun refused = cli(bad);
        EXPECT_EQ(refused.status, kExitUsage) << bad.join(' ').toStdString();
        EXPECT_TRUE(refused.out.isEmpty());
        EXPECT_FALSE(refused.err.isEmpty());
    }
}

TEST(ChartCommands, StrengthPrintsTheFiveSharesTheDayMasterAndTheFavourableElements)
{
    BuiltDbs dbs;
    // 1984-02-04 12:00 comes before that day's 立春: 癸亥 乙丑 戊辰 戊午.
    const CommandRun r = cli({"strength", "--year", "1984", "--month", "2", "--day", "4", "--hour", "午 12"});
    EXPECT_EQ(r.status, kExitOk) << r.err.toStdString();
    EXPECT_EQ(r.out, "木\t14.9\n火\t8.1\n土\t61.0\n金\t1.4\n水\t14.6\n日主\t强\n喜用\t金水\n");

    const struct {
        QStringList args;
        const char* error;
    } faults[] = {
        {{"--zi", "midnight"}, "--zi must be late or early"},
        {{"--day", "30", "--month", "2"}, "请检查输入数据是否出错！"},
        {{"--longitude", "east"}, "经度应为-180到180之间的数字!"},
        {{"--place", "不存在的地方"}, "找不到出生地：不存在的地方，请从列表中选择或填写经度!"},
        {{"--colour", "red"}, "unknown option: --colour"},
    };
    for (const auto& f : faults) {
        const CommandRun refused = cli(QStringList{"strength"} + f.args);
        EXPECT_EQ(refused.status, kExitUsage) << f.error;
        EXPECT_TRUE(refused.out.isEmpty()) << f.error;
        EXPECT_TRUE(refused.err.contains(QString::fromUtf8(f.error))) << refused.err.toStdString();
    }
}

TEST(ChartCommands, PillarsAndBaziTakeThePlaceAndTheZiSchool)
{
    BuiltDbs dbs;
    const struct {
        QStringList args;
        const char* firstLine;
        const char* solarTime;  // the last line, or "" when there is none
    } cases[] = {
        {{"--date", "2000-06-21", "--hour", "12"}, "庚辰 壬午 庚戌 壬午", ""},
        {{"--date", "2000-06-21", "--hour", "12", "--place", "乌鲁木齐市"}, "庚辰 壬午 庚戌 辛巳", "真太阳时\t09:49"},
        {{"--date", "2000-06-21", "--hour", "12", "--longitude", "87.62"}, "庚辰 壬午 庚戌 辛巳", "真太阳时\t09:49"},
        {{"--date", "2000-01-01", "--hour", "23", "--minute", "30"}, "己卯 丙子 戊午 甲子", ""},
        {{"--date", "2000-01-01", "--hour", "23", "--minute", "30", "--zi", "late"}, "己卯 丙子 戊午 甲子", ""},
        {{"--date", "2000-01-01", "--hour", "23", "--minute", "30", "--zi", "early"}, "己卯 丙子 己未 甲子", ""},
    };
    for (const auto& c : cases) {
        const CommandRun r = cli(QStringList{"pillars"} + c.args);
        ASSERT_EQ(r.status, kExitOk) << r.err.toStdString();
        const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
        ASSERT_GE(lines.size(), 5);
        EXPECT_EQ(lines.first(), QString::fromUtf8(c.firstLine)) << c.args.join(' ').toStdString();
        if (*c.solarTime) {
            EXPECT_EQ(lines.size(), 6);
            EXPECT_EQ(lines.last(), QString::fromUtf8(c.solarTime));
        } else {
            EXPECT_EQ(lines.size(), 5) << r.out.toStdString();
        }
    }

    const CommandRun bazi = cli({"bazi", "--year", "2000", "--month", "6", "--day", "21", "--hour", "午 12", "--place", "乌鲁木齐市"});
    ASSERT_EQ(bazi.status, kExitOk) << bazi.err.toStdString();
    EXPECT_TRUE(bazi.out.contains("出生地：乌鲁木齐市  经度 87.63°E  真太阳时：09:49\n")) << bazi.out.toStdString();
    EXPECT_TRUE(bazi.out.endsWith("真太阳时\t09:49\n"));

    for (const QStringList& bad : {QStringList{"pillars", "--date", "2000-01-01", "--zi", "noon"},
                                   QStringList{"pillars", "--date", "2000-01-01", "--longitude", "200"},
                                   QStringList{"pillars", "--date", "2000-01-01", "--place", "火星"},
                                   QStringList{"bazi", "--place", "火星"}, QStringList{"bazi", "--zi", "x"}}) {
        const CommandRun refused = cli(bad);
        EXPECT_EQ(refused.status, kExitUsage) << bad.join(' ').toStdString();
        EXPECT_FALSE(refused.err.isEmpty());
    }
}
