// The bazi page's report: its inputs, the luck-age and grid layouts for the start ages at both ends,
// the bone-weight month, dates the lunar calendar cannot serve, and a whole sample report.
#include "calendar/bazi_report.h"
#include "calendar/bazi_cast.h"
#include "calendar/lunar_text.h"

#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"
#include "tests/support/value_printers.h"

#include <gtest/gtest.h>

namespace {

const QDate kToday(2026, 6, 1);

// Positions of the lines in a report (0-based).
constexpr int kSolarLine = 6, kLunarLine = 7, kZodiacLine = 8, kStartAgeLine = 12, kEightCharactersLine = 14;
constexpr int kLuckAgeLine = 23, kStartYearsLine = 24, kYearlyGrid = 26, kMinorGrid = 37, kBoneHeading = 62;

const QString kThirteenBlanks(13, u' ');

BaziReportInput input(const char* year, const char* month, const char* day, const char* hour = "午 12",
                      const char* sex = "男", const char* kind = "公历")
{
    BaziReportInput in{"李", "雅亮", {}};
    in.birth.year = year;
    in.birth.month = month;
    in.birth.day = day;
    in.birth.hour = hour;
    in.birth.minute = "0";
    in.birth.sex = sex;
    in.birth.calendarKind = kind;
    return in;
}

Report complete(const BaziReportInput& in)
{
    Report r = buildBaziReport(in, kToday);
    EXPECT_TRUE(r.complete()) << int(r.end) << ' ' << r.message.toStdString();
    return r;
}

// The cells of a grid line, after its label or its leading blanks.
QStringList cellsOf(QString line)
{
    for (const char* label : {"流年：", "小运："})
        if (line.startsWith(QString::fromUtf8(label))) line = line.mid(3);
    return line.trimmed().split("   ");
}

// The lines of the yearly grid (10) and the minor-luck grid (20, pillars and ages alternating).
QStringList yearlyGrid(const Report& r) { return r.lines.mid(kYearlyGrid, 10); }
QStringList minorGrid(const Report& r) { return r.lines.mid(kMinorGrid, 20); }

// A Tgcode.dll without solar terms, so the fixed 节 dates decide.
class NoTermTable : public ::testing::Test {
protected:
    FixtureDbs dbs;
    void SetUp() override
    {
        dbs.create(Db::Tgcode);
        dbs.create(Db::Dream);
    }
};

}  // namespace

TEST(BaziReport, InputsAreCheckedInOrder)
{
    FixtureDbs dbs;
    const struct { BaziReportInput in; ReportEnd end; const char* message; } cases[] = {
        {input("", "", ""), ReportEnd::Refused, "请选择出生年!"},
        {input("1984", " ", ""), ReportEnd::Refused, "请选择出生月!"},
        {input("1984", "2", ""), ReportEnd::Refused, "请选择出生日!"},
        {input("1984", "2", "4", " "), ReportEnd::Refused, "请选择出生小时!"},
        {input("1980", "2", "30"), ReportEnd::DateError, "'1980-2-30' 不是有效的日期"},
        {input("一九八零", "2", "3", "午 12", "男", "农历"), ReportEnd::DateError, "'一九八零' 不是有效的整数"},
        {input("1984", "2", "4", "午"), ReportEnd::DateError, "'午' 不是有效的整数"},
        {input("1984", "2", "4", "午 24"), ReportEnd::DateError, "请检查输入数据是否出错！"},
        // lunar dates without a solar day: a 29-day month, month or day 0, a year the table lacks
        {input("2023", "3", "30", "午 12", "男", "农历"), ReportEnd::DateError, "农历2023年3月30日不存在，请检查输入！"},
        {input("2023", "0", "1", "午 12", "男", "农历"), ReportEnd::DateError, "农历2023年0月1日不存在，请检查输入！"},
        {input("2023", "1", "0", "午 12", "男", "农历"), ReportEnd::DateError, "农历2023年1月0日不存在，请检查输入！"},
        {input("2100", "1", "1", "午 12", "男", "农历"), ReportEnd::DateError, "农历日期只能在1901年至2099年之间，请检查输入！"},
    };
    for (const auto& c : cases) {
        const Report r = buildBaziReport(c.in, kToday);
        EXPECT_EQ(r.end, c.end) << c.message;
        EXPECT_EQ(r.message, QString::fromUtf8(c.message));
        EXPECT_TRUE(r.lines.isEmpty());
        EXPECT_FALSE(r.changesPane()) << c.message;
    }
    BaziReportInput noMinute = input("1984", "2", "4");
    noMinute.birth.minute = "";
    EXPECT_EQ(buildBaziReport(noMinute, kToday).message, "'' 不是有效的整数") << "the minute is read, not checked for presence";
}

TEST_F(NoTermTable, StartAgeTenFillsEveryRowOfBothGrids)
{
    const Report r = complete(input("1984", "2", "4"));
    ASSERT_EQ(r.lines.size(), 66);  // no bone-weight rows in the fixture
    EXPECT_EQ(r.lines[kEightCharactersLine], "八字：甲子   丙寅   戊辰   戊午");
    EXPECT_EQ(r.lines[kStartAgeLine], "起运：10岁");
    EXPECT_EQ(r.lines[kLuckAgeLine], "      1-9岁   10岁   20岁   30岁   40岁   50岁   60岁   70岁   80岁   90岁");
    EXPECT_EQ(r.lines[kStartYearsLine], "始于：1984   1994   2004   2014   2024   2034   2044   2054   2064   2074");
    EXPECT_EQ(r.lines[kYearlyGrid], "流年：甲子   甲戌   甲申   甲午   甲辰   甲寅   甲子   甲戌   甲申   甲午");
    EXPECT_EQ(r.lines[kYearlyGrid + 9], "      癸酉   癸未   癸巳   癸卯   癸丑   癸亥   癸酉   癸未   癸巳   癸卯");
    for (const QString& line : yearlyGrid(r) + minorGrid(r)) {
        EXPECT_EQ(cellsOf(line).size(), 10) << line.toStdString();
        EXPECT_FALSE(line.startsWith(kThirteenBlanks)) << line.toStdString();
    }
    // forwards from the hour pillar 戊午
    EXPECT_EQ(r.lines[kMinorGrid], "小运：戊午   戊辰   戊寅   戊子   戊戌   戊申   戊午   戊辰   戊寅   戊子");
    EXPECT_EQ(r.lines[kMinorGrid + 1], "      00岁   10岁   20岁   30岁   40岁   50岁   60岁   70岁   80岁   90岁");
    EXPECT_EQ(r.lines[kMinorGrid + 2], "      己未   己巳   己卯   己丑   己亥   己酉   己未   己巳   己卯   己丑");
    EXPECT_EQ(r.lines[kMinorGrid + 19], "      09岁   19岁   29岁   39岁   49岁   59岁   69岁   79岁   89岁   99岁");
}

TEST_F(NoTermTable, StartAgeOneLeavesTheFirstCellOfLaterRowsBlank)
{
    ASSERT_EQ(CastBaziChart(1984, 3, 3, 12, 0, Sex::Male)->StartAge, 1);
    const Report r = complete(input("1984", "3", "3"));
    EXPECT_EQ(r.lines[kStartAgeLine], "起运：1岁");
    EXPECT_EQ(r.lines[kLuckAgeLine], "      0-1岁   1岁   11岁   21岁   31岁   41岁   51岁   61岁   71岁   81岁");
    EXPECT_EQ(r.lines[kStartYearsLine], "始于：1984   1985   1995   2005   2015   2025   2035   2045   2055   2065");

    const QStringList yearly = yearlyGrid(r);
    EXPECT_EQ(yearly[0], "流年：甲子   乙丑   乙亥   乙酉   乙未   乙巳   乙卯   乙丑   乙亥   乙酉");
    EXPECT_EQ(yearly[1], kThirteenBlanks + "丙寅   丙子   丙戌   丙申   丙午   丙辰   丙寅   丙子   丙戌");
    const QStringList minor = minorGrid(r);
    EXPECT_EQ(minor[3], kThirteenBlanks + "02岁   12岁   22岁   32岁   42岁   52岁   62岁   72岁   82岁");
    for (int row = 1; row < 10; ++row) {
        for (const QString& line : {yearly[row], minor[2 * row], minor[2 * row + 1]}) {
            EXPECT_TRUE(line.startsWith(kThirteenBlanks)) << line.toStdString();
            EXPECT_EQ(cellsOf(line).size(), 9) << line.toStdString();
        }
    }
}

TEST_F(NoTermTable, BackwardMinorLuckStepsBackInEveryColumn)
{
    const auto chart = CastBaziChart(1984, 1, 4, 12, 0, Sex::Male);  // a 癸亥 year: backwards for a male
    ASSERT_TRUE(chart->Backward);
    ASSERT_EQ(chart->hourPillar.text(), "丙午");
    ASSERT_EQ(chart->StartAge, 10);
    const QStringList minor = minorGrid(complete(input("1984", "1", "4")));
    EXPECT_EQ(minor[0], "小运：丙午   丙申   丙戌   丙子   丙寅   丙辰   丙午   丙申   丙戌   丙子");
    EXPECT_EQ(minor[2], "      乙巳   乙未   乙酉   乙亥   乙丑   乙卯   乙巳   乙未   乙酉   乙亥");
    EXPECT_EQ(minor[18], "      丁酉   丁亥   丁丑   丁卯   丁巳   丁未   丁酉   丁亥   丁丑   丁卯");
}

TEST_F(NoTermTable, ALunarEntryPrintsItsSolarDay)
{
    const Report r = complete(input("1984", "1", "1", "辰 8", "女", "农历"));
    EXPECT_EQ(r.lines[kSolarLine], "您出生公历：1984年02月02日8点0分");
    EXPECT_EQ(r.lines[kLunarLine], "农历：甲子(鼠年)一月初一");
    EXPECT_EQ(r.lines[kZodiacLine], "属相：鼠");
    EXPECT_EQ(r.lines[kStartYearsLine].left(7), "始于：1984");
}

// Before a 节 of its own day the bone weight takes the lunar month before (12 before month 1).
TEST(BaziReport, BoneWeightMonthBeforeTheTermOfTheDay)
{
    const struct { const char* date[3]; const char* hour; bool termRows; const char* weight; } cases[] = {
        // lunar 1984-1-3 (立春 at 23:18): month 12 weighs 0.5
        {{"1984", "2", "4"}, "午 12", true, "你的骨重为：3两5钱"},
        {{"1984", "2", "4"}, "午 12", false, "你的骨重为：3两6钱"},
        {{"1984", "2", "4"}, "子 23", true, "你的骨重为：4两1钱"},  // 23:00 is still before it; the 子 hour
        // lunar 1984-2-4 (惊蛰 at 17:25): month 1 weighs 0.6 in place of month 2's 0.7
        {{"1984", "3", "5"}, "午 12", true, "你的骨重为：3两6钱"},
        {{"1984", "3", "5"}, "戌 20", true, "你的骨重为：3两3钱"},
    };
    for (const auto& c : cases) {
        FixtureDbs dbs;
        dbs.create(Db::Tgcode);
        if (c.termRows)
            dbs.exec(Db::Tgcode, "insert into JQ values (1984, '立春', '1984-02-04 23:18:55'),"
                                 " (1984, '惊蛰', '1984-03-05 17:25:00');");
        QString sql = "insert into chenggu1 values ('1984', 1.2); insert into chenggu2 values (1, 0.6), (2, 0.7), (12, 0.5);"
                      " insert into chenggu3 values (3, 0.8), (4, 0.8); insert into chenggu4 values (12, 1.0), (20, 0.6), (23, 1.6);";
        for (const char* code : {"33", "35", "36", "41"})
            sql += QStringLiteral("insert into chenggu values ('%1', '诗%1', '解%1');").arg(code);
        dbs.exec(Db::Dream, sql);

        const Report r = complete(input(c.date[0], c.date[1], c.date[2], c.hour));
        ASSERT_GT(r.lines.size(), kBoneHeading + 3);
        EXPECT_EQ(r.lines[kBoneHeading], "古法称骨算命：");
        EXPECT_EQ(r.lines[kBoneHeading + 1], QString::fromUtf8(c.weight)) << c.date[1] << ' ' << c.hour << ' ' << c.termRows;
        const QString code = r.lines[kBoneHeading + 1].mid(6, 1) + r.lines[kBoneHeading + 1].mid(8, 1);
        EXPECT_EQ(r.lines[kBoneHeading + 2], "骨重诗评：诗" + code);
        EXPECT_EQ(r.lines[kBoneHeading + 3], "骨重解评：解" + code);
    }
}

TEST_F(NoTermTable, AnUnreadableBoneWeightFileAbandonsTheWholeReport)
{
    dbs.remove(Db::Dream);
    const Report r = buildBaziReport(input("1984", "2", "4"), kToday);
    EXPECT_EQ(r.end, ReportEnd::Abandoned);
    EXPECT_TRUE(r.lines.isEmpty()) << "the page keeps its previous report";
}

TEST_F(NoTermTable, SolarDatesOutsideTheLunarTable)
{
    dbs.remove(Db::Dream);  // would abandon the report if the bone weight were looked up
    for (const char* date : {"1880-6-15", "1900-1-30", "2101-3-1", "9999-12-31"}) {
        const QStringList parts = QString::fromUtf8(date).split('-');
        BaziReportInput in = input("", "", "");
        in.birth.year = parts[0];
        in.birth.month = parts[1];
        in.birth.day = parts[2];
        const Report r = complete(in);
        ASSERT_EQ(r.lines.size(), 66) << date;
        EXPECT_EQ(r.lines[kLunarLine], "农历：") << date;
        EXPECT_EQ(r.lines[kZodiacLine], "属相：") << date;
        // the yearly grid starts at the year pillar
        EXPECT_EQ(cellsOf(r.lines[kYearlyGrid]).front(), r.lines[kEightCharactersLine].mid(3, 2)) << date;
        EXPECT_EQ(r.lines[kBoneHeading], "古法称骨算命：");
        EXPECT_EQ(r.lines[kBoneHeading + 1], "<-----------------------批八字内容分隔线----------------------------->");
    }
}

TEST(BaziReport, SampleReportWithTheBuiltFiles)
{
    BuiltDbs dbs;
    const Report r = complete(input("1984", "2", "4"));
    // 12:00 on the day of 立春 (23:18): still the 癸亥 year and the 丑 month, running backwards
    const QStringList want = {
        "<=================================================================================>",
        "友情提示：",
        "首先非常感谢你的支持和使用，祝您万事如意，天天快乐！",
        "<=================================================================================>",
        "姓名：李雅亮",
        "年龄：42岁",
        "您出生公历：1984年02月04日12点0分",
        "农历：甲子(鼠年)一月初三",
        "属相：鼠",
        "星座：水瓶座",
        "<-----------------------批八字内容分隔线----------------------------->",
        "胎元：丙辰(沙中土)",
        "起运：10岁",
        "十神：正财   正官   日元   比肩",
        "八字：癸亥   乙丑   戊辰   戊午",
        "遁藏：癸正财 甲七杀 乙正官 己劫财",
        "             丙偏印 戊比肩 丁正印 ",
        "             戊比肩 癸正财        ",
        "五行：水水   木土   土土   土火",
        "纳音：大海水 海中金 大林木 天上火",
        "纳音：海中金 海中金 大海水 大海水 石榴木 石榴木 天上火 天上火 沙中土 沙中土 ",
        "十神：正官   七杀   正财   偏财   伤官   食神   劫财   比肩   正印   偏印   ",
        "大运：乙丑   甲子   癸亥   壬戌   辛酉   庚申   己未   戊午   丁巳   丙辰",
        "      1-9岁   10岁   20岁   30岁   40岁   50岁   60岁   70岁   80岁   90岁",
        "始于：1984   1994   2004   2014   2024   2034   2044   2054   2064   2074",
        "",
        "流年：甲子   甲戌   甲申   甲午   甲辰   甲寅   甲子   甲戌   甲申   甲午",
        "      乙丑   乙亥   乙酉   乙未   乙巳   乙卯   乙丑   乙亥   乙酉   乙未",
        "      丙寅   丙子   丙戌   丙申   丙午   丙辰   丙寅   丙子   丙戌   丙申",
        "      丁卯   丁丑   丁亥   丁酉   丁未   丁巳   丁卯   丁丑   丁亥   丁酉",
        "      戊辰   戊寅   戊子   戊戌   戊申   戊午   戊辰   戊寅   戊子   戊戌",
        "      己巳   己卯   己丑   己亥   己酉   己未   己巳   己卯   己丑   己亥",
        "      庚午   庚辰   庚寅   庚子   庚戌   庚申   庚午   庚辰   庚寅   庚子",
        "      辛未   辛巳   辛卯   辛丑   辛亥   辛酉   辛未   辛巳   辛卯   辛丑",
        "      壬申   壬午   壬辰   壬寅   壬子   壬戌   壬申   壬午   壬辰   壬寅",
        "      癸酉   癸未   癸巳   癸卯   癸丑   癸亥   癸酉   癸未   癸巳   癸卯",
        "",
        "小运：戊午   戊申   戊戌   戊子   戊寅   戊辰   戊午   戊申   戊戌   戊子",
        "      00岁   10岁   20岁   30岁   40岁   50岁   60岁   70岁   80岁   90岁",
        "      丁巳   丁未   丁酉   丁亥   丁丑   丁卯   丁巳   丁未   丁酉   丁亥",
        "      01岁   11岁   21岁   31岁   41岁   51岁   61岁   71岁   81岁   91岁",
        "      丙辰   丙午   丙申   丙戌   丙子   丙寅   丙辰   丙午   丙申   丙戌",
        "      02岁   12岁   22岁   32岁   42岁   52岁   62岁   72岁   82岁   92岁",
        "      乙卯   乙巳   乙未   乙酉   乙亥   乙丑   乙卯   乙巳   乙未   乙酉",
        "      03岁   13岁   23岁   33岁   43岁   53岁   63岁   73岁   83岁   93岁",
        "      甲寅   甲辰   甲午   甲申   甲戌   甲子   甲寅   甲辰   甲午   甲申",
        "      04岁   14岁   24岁   34岁   44岁   54岁   64岁   74岁   84岁   94岁",
        "      癸丑   癸卯   癸巳   癸未   癸酉   癸亥   癸丑   癸卯   癸巳   癸未",
        "      05岁   15岁   25岁   35岁   45岁   55岁   65岁   75岁   85岁   95岁",
        "      壬子   壬寅   壬辰   壬午   壬申   壬戌   壬子   壬寅   壬辰   壬午",
        "      06岁   16岁   26岁   36岁   46岁   56岁   66岁   76岁   86岁   96岁",
        "      辛亥   辛丑   辛卯   辛巳   辛未   辛酉   辛亥   辛丑   辛卯   辛巳",
        "      07岁   17岁   27岁   37岁   47岁   57岁   67岁   77岁   87岁   97岁",
        "      庚戌   庚子   庚寅   庚辰   庚午   庚申   庚戌   庚子   庚寅   庚辰",
        "      08岁   18岁   28岁   38岁   48岁   58岁   68岁   78岁   88岁   98岁",
        "      己酉   己亥   己丑   己卯   己巳   己未   己酉   己亥   己丑   己卯",
        "      09岁   19岁   29岁   39岁   49岁   59岁   69岁   79岁   89岁   99岁",
        "八字五行个数：金:占0个, 木:占1个, 水:占2个, 火:占1个, 土:占4个",
        "五行力量：木14.9%   火8.1%   土61.0%   金1.4%   水14.6%",
        "日主：戊土 身强（土与生土之火合占69.1%，过半为强）",
        "喜用神：金水（扶抑法：身强取泄耗；一家之说，仅供参考）",
        "<-----------------------批八字内容分隔线----------------------------->",
        "古法称骨算命：",
        "你的骨重为：3两5钱",
        "骨重诗评：生平福量不周全，祖业根基觉少传，营事生涯宜守旧，时来衣食胜从前。",
        "骨重解评：福分不算圆满，祖上的根基也留得不多。经营上宜稳不宜险，守住熟悉的行当，等时机一到，生活自然比从前好。",
        "<-----------------------批八字内容分隔线----------------------------->",
        "",
        "<-----------------------以上内容只作参考----------------------------->",
    };
    EXPECT_EQ(r.lines, want);
}

TEST(BaziReport, ABirthplacePrintsItsTrueSolarTimeUnderTheBirthLineAndCastsOnIt)
{
    BuiltDbs dbs;
    BaziReportInput in = input("2000", "6", "21", "午 12");
    in.birth.place = QString::fromUtf8("乌鲁木齐市（新疆维吾尔自治区）");
    in.birth.longitude = QStringLiteral("87.62");
    const Report r = complete(in);
    ASSERT_EQ(r.lines.size(), 70);
    EXPECT_EQ(r.lines[kSolarLine], "您出生公历：2000年06月21日12点0分");
    EXPECT_EQ(r.lines[kSolarLine + 1], "出生地：乌鲁木齐市  经度 87.62°E  真太阳时：09:49");
    EXPECT_EQ(r.lines[kLunarLine + 1].left(3), "农历：");
    EXPECT_EQ(r.lines[kEightCharactersLine + 1], "八字：庚辰   壬午   庚戌   辛巳");

    in.birth.place = QString::fromUtf8("火星");
    in.birth.longitude.clear();
    const Report refused = buildBaziReport(in, kToday);
    EXPECT_EQ(refused.end, ReportEnd::Refused);
    EXPECT_EQ(refused.message, "找不到出生地：火星，请从列表中选择或填写经度!");
    EXPECT_TRUE(refused.lines.isEmpty());
}
