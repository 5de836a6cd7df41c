#include "numerology/name_report.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

const QDate kToday(2026, 12, 10);
const QString kBorder = "<" + QString(81, u'-') + ">";
const QString kSeparator = "<-----------------------名字分析内容分隔线----------------------------->";

// 李 7, 雅 12, 亮 9: grids 天8 人19 地21 总28 外10, title 金水木.
void fillKnowledge(FixtureDbs& dbs, bool withTalentReading = true)
{
    dbs.exec(Db::Velmora, "insert into word (zi, ft, bh, pinyin, wuhang) values ('李', '李', 7, 'lǐ', '木'),"
                          " ('雅', '雅', 12, 'yǎ', '木'), ('亮', '亮', 9, 'liàng', '火');");
    QString numbers;
    for (int n : {8, 19, 21, 28, 10})
        numbers += QStringLiteral("(%1, '读%1。', '（吉%1）', '示%1', '长%1'),").arg(n);
    numbers.chop(1);
    dbs.exec(Db::KelFile, R"(insert into "81" values )" + numbers + "; insert into sancai values ('金水木', 2);");
    if (withTalentReading)
        dbs.exec(Db::KelFile, "insert into sancai2009 values ('金水木', ' 总论 ', '基础', '（吉）', '成功', '（凶）',"
                              " '人际', '（半吉）', '性格');");
}

NameReportInput input(const char* surname, const char* given, const char* year = "1984", const char* month = "2",
                      const char* day = "2", const char* kind = "公历")
{
    NameReportInput in{surname, given, {}};
    in.birth.year = year;
    in.birth.month = month;
    in.birth.day = day;
    in.birth.hour = "辰 8";
    in.birth.minute = "05";
    in.birth.calendarKind = kind;
    return in;
}

}  // namespace

TEST(NameReport, LinesOfASampleNameInOrder)
{
    FixtureDbs dbs;
    fillKnowledge(dbs);
    const Report r = buildNameReport(input(" 李 ", "雅亮"), kToday);
    ASSERT_TRUE(r.complete()) << r.message.toStdString();
    const QStringList want = {
        kBorder, "友情提示：", "首先非常感谢你的支持和使用，祝您万事如意，天天快乐！", kBorder,
        "李雅亮,您今年:42岁", "您出生公历: 1984年02月02日8点05分", "农历:甲子(鼠年)一月初一", "生肖:鼠", "星座:水瓶座",
        "综合评分: 80分", kSeparator,
        "【天格8的解析】：天格数是先祖留传下来的，其数理对人影响不大。", "读8。（吉8）",
        "【人格19的解析】：人格数又称主运，是整个姓名的中心点，影响人的一生命运。", "读19。（吉19）",
        "【地格21的解析】：地格数又称前运，影响人生（49岁）以前的命运。", "读21。（吉21）",
        "【总格28的解析】：总格又称后运，影响人生（50岁）以后的命运。 ", "读28。（吉28）",
        "【外格10的解析】：外格又称变格，影响人的社交能力、智慧等，其数理不用重点去看。", "读10。（吉10）",
        kSeparator, "【三才数理分析】：您的姓名三才配置为：金水木。它具有如下数理诱导力，据此会对人生产生一定的影响。",
        "总论", "【对基础运的影响】：基础（吉）", "【对成功运的影响】：成功（凶）", "【对人际关系的影响】：人际（半吉）",
        "【对性格的影响】：性格", kSeparator,
        "【天格8数理暗示】：", "示8", "【人格19数理暗示】：", "示19", "【地格21数理暗示】：", "示21",
        "【总格28数理暗示】：", "示28", "【外格10数理暗示】：", "示10",
        kSeparator, "【系统综合评分】: 80分", "", "<-----------------------以上分析内容只作参考----------------------------->"};
    // The 音形义 section follows the lines above.
    EXPECT_EQ(r.lines.mid(0, want.size()), want);
    EXPECT_EQ(r.lines.value(want.size()), "【音形义分析】");
}

TEST(NameReport, WithoutATalentReadingTheHintsFollowTheOuterGrid)
{
    FixtureDbs dbs;
    fillKnowledge(dbs, false);
    const Report r = buildNameReport(input("李", "雅亮"), kToday);
    const qsizetype outer = r.lines.indexOf("读10。（吉10）");
    ASSERT_GT(outer, 0);
    EXPECT_EQ(r.lines[outer + 1], kSeparator);
    EXPECT_EQ(r.lines[outer + 2], "【天格8数理暗示】：");
}

TEST(NameReport, SingleCharactersPrintTheOuterGridTwo)
{
    FixtureDbs dbs;
    fillKnowledge(dbs);
    const Report r = buildNameReport(input("李", "雅"), kToday);
    EXPECT_TRUE(r.lines.contains("【外格2数理暗示】："));
    EXPECT_TRUE(r.lines.contains("【外格2的解析】：外格又称变格，影响人的社交能力、智慧等，其数理不用重点去看。"));
    EXPECT_TRUE(r.lines.contains("  ")) << "a number without a row reads as two blanks";
}

TEST(NameReport, LunarEntriesFutureYearsAndImpossibleLunarDays)
{
    FixtureDbs dbs;
    fillKnowledge(dbs);
    const Report lunar = buildNameReport(input("李", "雅亮", "1984", "1", "1", "农历"), kToday);
    EXPECT_EQ(lunar.lines[5], "您出生公历: 1984年02月02日8点05分");
    EXPECT_EQ(lunar.lines[6], "农历:甲子(鼠年)一月初一");

    const Report future = buildNameReport(input("李", "雅亮", "2029", "5", "1"), kToday);
    EXPECT_EQ(future.lines[4], "李雅亮,您今年:-3岁");
    EXPECT_EQ(future.lines[8], "星座:金牛座 ");

    const Report missing = buildNameReport(input("李", "雅亮", "2023", "3", "30", "农历"), kToday);  // a 29-day month
    ASSERT_TRUE(missing.complete());
    EXPECT_EQ(missing.lines[4], "李雅亮,您今年:?岁");
    EXPECT_TRUE(missing.lines[6].contains("不存在")) << missing.lines[6].toStdString();
    EXPECT_EQ(missing.lines[7], "生肖:");
    EXPECT_EQ(missing.lines[9], "综合评分: 80分");
}

TEST(NameReport, InputsAreCheckedInOrder)
{
    FixtureDbs dbs;
    const struct { NameReportInput in; ReportEnd end; const char* message; } cases[] = {
        {input(" ", "雅"), ReportEnd::Refused, "姓不能为空!"},
        {input("李", ""), ReportEnd::Refused, "名不能为空!"},
        {input("李", "雅", ""), ReportEnd::Refused, "请选择出生年!"},
        {input("李", "雅", "1984", " "), ReportEnd::Refused, "请选择出生月!"},
        {input("李", "雅", "1984", "2", ""), ReportEnd::Refused, "请选择出生日!"},
        {input("李", "雅", "1980", "2", "30"), ReportEnd::DateError, "'1980-2-30' 不是有效的日期"},
        {input("李", "雅", "一九八零", "2", "3", "农历"), ReportEnd::DateError, "'一九八零' 不是有效的整数"},
    };
    for (const auto& c : cases) {
        const Report r = buildNameReport(c.in, kToday);
        EXPECT_EQ(r.end, c.end) << c.message;
        EXPECT_EQ(r.message, QString::fromUtf8(c.message));
        EXPECT_TRUE(r.lines.isEmpty());
    }
    NameReportInput noHour = input("李", "雅");
    noHour.birth.hour = "";
    EXPECT_EQ(buildNameReport(noHour, kToday).message, "请选择出生小时!");
}

TEST(NameReport, AnUnreadableNumberFileStopsSilentlyKeepingEarlierLines)
{
    FixtureDbs dbs;
    fillKnowledge(dbs);
    dbs.remove(Db::KelFile);
    const Report computed = buildNameReport(input("李", "雅亮"), kToday);
    EXPECT_EQ(computed.end, ReportEnd::Abandoned);
    EXPECT_EQ(computed.lines.size(), 9);  // stops at the score, which needs the grade

    dbs.exec(Db::Velmora, "insert into zh values (12, 7, 0, 12, 9, 88, 1, '', '');");
    const Report stored = buildNameReport(input("李", "雅亮"), kToday);
    EXPECT_EQ(stored.end, ReportEnd::Abandoned);
    ASSERT_EQ(stored.lines.size(), 12);  // score, separator and the first heading; its reading fails
    EXPECT_EQ(stored.lines[9], "综合评分: 88分");
}

TEST(NameReport, ProposedFileNames)
{
    EXPECT_EQ(proposedReportFileName("张三"), "张三");
    for (const char* bad : {"张*", "a/b", "<x>", "问?", "c\\d", "e|f"}) EXPECT_EQ(proposedReportFileName(bad), "*.txt") << bad;
}

TEST(NameReport, AnUnreadableDictionaryLeavesOutOnlyTheQualitySection)
{
    FixtureDbs dbs;
    fillKnowledge(dbs);
    dbs.remove(Db::Velmora);
    const Report r = buildNameReport(input("李", "雅亮"), kToday);
    EXPECT_TRUE(r.complete()) << r.message.toStdString();
    EXPECT_FALSE(r.lines.contains("【音形义分析】"));
    EXPECT_EQ(r.lines.value(r.lines.size() - 1), "<-----------------------以上分析内容只作参考----------------------------->");
}
