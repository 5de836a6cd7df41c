#include "numerology/name_page_report.h"
#include "numerology/name_report.h"
#include "numerology/luck_numbers.h"
#include "numerology/name_score.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

const QDate kToday(2026, 12, 10);

NamePageInput pageInput(const char* surname, const char* given, const char* year, const char* month, const char* day,
                        const char* hour, const char* minute = "30", const char* kind = "公历")
{
    NamePageInput in{surname, given, {}};
    in.birth.year = year;
    in.birth.month = month;
    in.birth.day = day;
    in.birth.hour = hour;
    in.birth.minute = minute;
    in.birth.calendarKind = kind;
    return in;
}

}  // namespace

TEST(NamePageReport, SampleBirthAgainstTheBuiltTables)
{
    BuiltDbs dbs;
    const Report r = buildNamePageReport(pageInput("李", "雅亮", "1990", "6", "15", "辰 8"), kToday);
    ASSERT_TRUE(r.complete()) << r.message.toStdString();
    const QString border = "<" + QString(81, u'=') + ">";
    const QString score = formatScore(NameScore("李", "雅亮"));
    const QStringList head = {
        border, "友情提示：", "首先非常感谢你的支持和使用，祝您万事如意，天天快乐！", border, "基本信息：", "年龄：36岁",
        "您出生公历：1990年06月15日8点30分", "农历：庚午(马年)五月廿三", "属相：马", "星座：双子座",
        "十神：劫财   伤官   日元   伤官", "八字：庚午   壬午   辛亥   壬辰", "五行：金火   水火   金水   水土",
        "纳音：路旁土 杨柳木 钗钏金 长流水", "八字五行个数：金:占2个, 木:占0个, 水:占3个, 火:占2个, 土:占1个",
        "拼音:李(lǐ)  雅(yǎ)  亮(liàng)", "五格：天格8(金)  人格19(水)  地格21(木)  总格28(金)  外格10(水)",
        "三才：天才8(金)  人才9(水)  地才1(木)", "", "李雅亮  综合评分： " + score + "分", "",
        "<-----------------------名字分析内容分隔线----------------------------->"};
    EXPECT_EQ(r.lines.mid(0, head.size()), head);
    const QStringList tail = {"<-----------------------名字分析内容分隔线----------------------------->", "",
                              "【系统综合评分】: " + score + "分", "",
                              "<-----------------------以上分析内容只作参考--------------------------->"};
    // The 音形义 section follows the lines above.
    const qsizetype section = r.lines.indexOf("【音形义分析】");
    ASSERT_GT(section, tail.size());
    EXPECT_EQ(r.lines.mid(section - tail.size(), tail.size()), tail);
    EXPECT_TRUE(r.lines.contains("【三才数理分析】：您的姓名三才配置为：金水木。它具有如下数理诱导力，据此会对人生产生一定的影响。"));
}

TEST(NamePageReport, ReadingLineShapes)
{
    FixtureDbs dbs;
    dbs.exec(Db::Velmora, "insert into word (zi, ft, bh, pinyin, wuhang) values ('欧', '歐', 15, 'ōu', '土'),"
                          " ('阳', '陽', 17, 'yáng', '土'), ('明', '明', 8, 'míng、mìng', '火'), ('华', '華', 14, 'huá', '水');");
    const struct { const char* surname; const char* given; const char* want; } cases[] = {
        {"欧", "明", "拼音:欧(ōu)  明(míng)  "},
        {"欧阳", "明华", "拼音:欧(ōu)  阳(yáng)  明(míng)  华(huá)"},
        {"欧", "明华明", "拼音:欧(ōu)  明(míng)  华(huá)"},
        {"欧", "明X", "拼音:欧(ōu)  明(míng)  X()"},
    };
    for (const auto& c : cases) EXPECT_EQ(readingLine(c.surname, c.given), QString::fromUtf8(c.want)) << c.want;
}

TEST(NamePageReport, TheHourMovesOnlyTheHourPillarAndLunarEntriesAreConverted)
{
    BuiltDbs dbs;
    const Report midnight = buildNamePageReport(pageInput("李", "明", "1984", "2", "4", "子 0"), kToday);
    const Report noon = buildNamePageReport(pageInput("李", "明", "1984", "2", "4", "午 12"), kToday);
    EXPECT_EQ(midnight.lines[11], "八字：癸亥   乙丑   戊辰   壬子");
    EXPECT_EQ(noon.lines[11], "八字：癸亥   乙丑   戊辰   戊午");

    const Report lunar = buildNamePageReport(pageInput("李", "明", "1984", "1", "1", "午 12", "0", "农历"), kToday);
    EXPECT_EQ(lunar.lines[6], "您出生公历：1984年02月02日12点0分");
    EXPECT_EQ(lunar.lines[7], "农历：甲子(鼠年)一月初一");

    const Report missing = buildNamePageReport(pageInput("李", "明", "2023", "3", "30", "午 12", "0", "农历"), kToday);
    ASSERT_TRUE(missing.complete());
    EXPECT_EQ(missing.lines[5], "年龄：?岁");
    EXPECT_EQ(missing.lines[11], "八字：");
}

TEST(NamePageReport, InputsAndUnreadableFiles)
{
    FixtureDbs dbs;
    const struct { NamePageInput in; ReportEnd end; const char* message; } cases[] = {
        {pageInput("", "明", "1984", "2", "4", "午 12"), ReportEnd::Refused, "姓不能为空!"},
        {pageInput("李", " ", "1984", "2", "4", "午 12"), ReportEnd::Refused, "名不能为空!"},
        {pageInput("李", "明", "1984", "2", "4", ""), ReportEnd::Refused, "请选择出生小时!"},
        {pageInput("李", "明", "1984", "2", "30", "午 12"), ReportEnd::DateError, "'1984-2-30' 不是有效的日期"},
        {pageInput("李", "明", "1984", "2", "3", "午 12", "半"), ReportEnd::DateError, "'半' 不是有效的整数"},
    };
    for (const auto& c : cases) {
        const Report r = buildNamePageReport(c.in, kToday);
        EXPECT_EQ(r.end, c.end) << c.message;
        EXPECT_EQ(r.message, QString::fromUtf8(c.message));
    }
    // Without KelFile.dll the computed score cannot be graded: the reading lines stay, the rest stops.
    dbs.create(Db::Velmora).create(Db::Tgcode);
    const Report r = buildNamePageReport(pageInput("李", "明", "1984", "2", "4", "午 12"), kToday);
    EXPECT_EQ(r.end, ReportEnd::Abandoned);
    EXPECT_EQ(r.lines.size(), 15);
    EXPECT_EQ(r.lines[10], "十神：      日元   ") << "empty tables leave only the labels";
}

TEST(QualitySection, BothReportsEndWithTheJudgementOfTheName)
{
    BuiltDbs dbs;
    NameReportInput window{"李", "雅亮", {}};
    window.birth.sex = "女";
    const Report a = buildNameReport(window, kToday);
    NamePageInput page = pageInput("李", "雅亮", "1990", "6", "15", "辰 8");
    page.birth.sex = "女";
    const Report b = buildNamePageReport(page, kToday);
    for (const Report* r : {&a, &b}) {
        ASSERT_TRUE(r->complete()) << r->message.toStdString();
        const qsizetype at = r->lines.indexOf("【音形义分析】");
        ASSERT_GE(at, 0);
        const QStringList section = r->lines.mid(at);
        ASSERT_EQ(section.size(), 3 + 2 + 6) << "heading, pinyin, score, two glosses, six checks";
        EXPECT_EQ(section[1], "拼音：lǐ yǎ liàng");
        EXPECT_TRUE(section[2].startsWith("音形义评分：") && section[2].endsWith("分"));
        EXPECT_TRUE(section[3].startsWith("雅：") && section[3].size() > 4) << section[3].toStdString();
        EXPECT_TRUE(section[4].startsWith("亮：")) << section[4].toStdString();
        const char* const checks[] = {"谐音", "声调", "字形", "字义", "重名", "性别"};
        for (int i = 0; i < 6; ++i)
            EXPECT_TRUE(section[5 + i].startsWith(QString(checks[i]) + "（通过）：") ||
                        section[5 + i].startsWith(QString(checks[i]) + "（注意）："))
                << section[5 + i].toStdString();
    }
    EXPECT_EQ(a.lines.mid(a.lines.indexOf("【音形义分析】")), b.lines.mid(b.lines.indexOf("【音形义分析】")));
}
