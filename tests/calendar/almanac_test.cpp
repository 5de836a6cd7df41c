// The almanac: the day rules read from db/almanac/, the entry of a day, the built table and the
// lookup behind the almanac window.
#include "calendar/almanac_day.h"
#include "calendar/almanac_lookup.h"
#include "calendar/almanac_rules.h"

#include "data/db_error.h"
#include "data/query.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kRulesDir = QStringLiteral(JIAMING_SOURCE_DIR "/db/almanac");

const AlmanacRules& committedRules()
{
    static const AlmanacRules rules = [] {
        const auto read = AlmanacRules::readFolder(kRulesDir);
        if (!read) throw std::runtime_error(read.error().toStdString());
        return *read;
    }();
    return rules;
}

}  // namespace

TEST(AlmanacDay, OfficersAndGodsFollowTheMonthBranch)
{
    const struct { int monthBranch, dayBranch; const char* officer; const char* god; bool yellow; } cases[] = {
        {2, 2, "建", "天刑", false},   // 寅 month, 寅 day: 建; 青龙 is on 子
        {2, 0, "开", "青龙", true},
        {2, 1, "闭", "明堂", true},
        {3, 2, "闭", "青龙", true},    // 卯 month: 青龙 moves to 寅
        {0, 8, "成", "青龙", true},    // 子 month: 青龙 on 申
        {1, 10, "收", "青龙", true},   // 丑 month: 青龙 on 戌
        {8, 0, "定", "青龙", true},    // 申 month: 青龙 on 子, like 寅
    };
    for (const auto& c : cases) {
        EXPECT_EQ(OfficerName(DayOfficer(c.monthBranch, c.dayBranch)), QString::fromUtf8(c.officer)) << c.monthBranch << ' ' << c.dayBranch;
        const int god = DayGod(c.monthBranch, c.dayBranch);
        EXPECT_EQ(DayGodName(god), QString::fromUtf8(c.god)) << c.monthBranch << ' ' << c.dayBranch;
        EXPECT_EQ(IsYellowPathGod(god), c.yellow);
    }
}

// Entries as printed almanacs give them (pillars, officer, god, clash, nayin, lunar date).
TEST(AlmanacDay, AgreesWithPublishedAlmanacDays)
{
    const struct { QDate date; const char* nn; const char* suici; const char* wuhang; const char* cong; } cases[] = {
        {QDate(2024, 2, 10), "农历甲辰年正月初一，星期六，春节；金匮黄道日，建除值满。", "甲辰年 丙寅月 甲辰日", "覆灯火 满执位", "(戊戌)狗 煞南"},
        {QDate(2008, 8, 8), "农历戊子年七月初八，星期五；金匮黄道日，建除值成。", "戊子年 庚申月 庚辰日", "白蜡金 成执位", "(甲戌)狗 煞南"},
        {QDate(1949, 10, 1), "农历己丑年八月初十，星期六，国庆节；司命黄道日，建除值平。", "己丑年 癸酉月 甲子日", "海中金 平执位", "(戊午)马 煞南"},
        {QDate(2000, 1, 1), "农历己卯年冬月廿五，星期六，元旦节；司命黄道日，建除值破。", "己卯年 丙子月 戊午日", "天上火 破执位", "(壬子)鼠 煞北"},
        // 立春 at 16:27 Beijing time: by whole days the day already belongs to the new year and month
        {QDate(2024, 2, 4), "农历癸卯年腊月廿五，星期日，立春；司命黄道日，建除值成。", "甲辰年 丙寅月 戊戌日", "平地木 成执位", "(壬辰)龙 煞北"},
        // before the birth forms' lunar table begins
        {QDate(1900, 1, 1), "农历己亥年腊月初一，星期一，元旦节；天刑黑道日，建除值开。", "己亥年 丙子月 甲戌日", "山头火 开执位", "(戊辰)龙 煞北"},
        // the calendar window's table, not the birth forms' (a day off in this month)
        {QDate(1906, 4, 23), "农历丙午年三月三十，星期一；", "丙午年 壬辰月 丁酉日", "", ""},
        {QDate(2023, 3, 22), "农历癸卯年闰二月初一，星期三；", "癸卯年 乙卯月 己卯日", "", ""},
    };
    AlmanacCalendar calendar(committedRules());
    for (const auto& c : cases) {
        const AlmanacEntry e = calendar.entryOf(c.date);
        const std::string at = c.date.toString(Qt::ISODate).toStdString();
        EXPECT_TRUE(e.nn.startsWith(QString::fromUtf8(c.nn))) << at << ' ' << e.nn.toStdString();
        EXPECT_EQ(e.suici, QString::fromUtf8(c.suici)) << at;
        if (*c.wuhang) {
            EXPECT_EQ(e.wuhang, QString::fromUtf8(c.wuhang)) << at;
        }
        if (*c.cong) {
            EXPECT_EQ(e.cong, QString::fromUtf8(c.cong)) << at;
        }
    }
    const AlmanacEntry newYear = calendar.entryOf(QDate(2024, 2, 10));
    EXPECT_EQ(newYear.pzbj, "甲不开仓财物耗散 辰不哭泣必主重丧");
    EXPECT_TRUE(newYear.yi.startsWith("嫁娶 ")) << newYear.yi.toStdString();
    EXPECT_TRUE(newYear.jsyq.endsWith(" 金匮")) << newYear.jsyq.toStdString();  // the day's god is among its spirits
}

TEST(AlmanacRules, ARuleTableWithAMissingOrRepeatedKeyIsRefused)
{
    QTemporaryDir dir;
    for (const char* name : {"day_rules.tsv", "fetus_god.tsv", "pengzu.tsv"})
        ASSERT_TRUE(QFile::copy(kRulesDir + '/' + name, dir.filePath(name)));
    ASSERT_TRUE(AlmanacRules::readFolder(dir.path()));

    QFile fetus(dir.filePath("fetus_god.tsv"));
    ASSERT_TRUE(fetus.open(QIODevice::Append));
    fetus.write("甲子\t占门碓 外东南\n");
    fetus.close();
    const auto repeated = AlmanacRules::readFolder(dir.path());
    ASSERT_FALSE(repeated);
    EXPECT_TRUE(repeated.error().contains("repeated key 甲子")) << repeated.error().toStdString();

    ASSERT_TRUE(QFile::remove(dir.filePath("pengzu.tsv")));
    EXPECT_FALSE(AlmanacRules::readFolder(dir.path()));
}

TEST(AlmanacTable, HasOneFullRowForEveryDayOf1900To2100)
{
    BuiltDbs dbs;
    Query q(Db::KelBirth);
    q.open("select count(*), count(distinct gn), min(gn), max(gn) from huangdao "
           "where nn <> '' and suici <> '' and tszf <> '' and wuhang <> '' and cong <> '' and pzbj <> '' "
           "and jsyq <> '' and yi <> '' and xsyq <> '' and ji <> ''");
    EXPECT_EQ(q.field(0).asInt(), QDate(1900, 1, 1).daysTo(QDate(2100, 12, 31)) + 1);
    EXPECT_EQ(q.field(1).asInt(), q.field(0).asInt());
    EXPECT_EQ(q.field(2).asText(), "1900-01-01");
    EXPECT_EQ(q.field(3).asText(), "2100-12-31");
}

TEST(AlmanacLookup, ChecksTheBoxesInOrder)
{
    const struct { const char *y, *m, *d, *message; } cases[] = {
        {"", "", "", "请选择年!"},      {" 2008 ", "", "05", "请选择月!"}, {"2008", "01", " ", "请选择日!"},
        {"2009", "02", "29", "请选择有效的日期!"}, {"2008", "13", "01", "请选择有效的日期!"}, {"abc", "1", "1", "请选择有效的日期!"},
    };
    for (const auto& c : cases) {
        const auto r = CheckAlmanacDate(c.y, c.m, c.d);
        ASSERT_FALSE(r) << c.y << '-' << c.m << '-' << c.d;
        EXPECT_EQ(r.error(), QString::fromUtf8(c.message));
    }
    const auto typed = CheckAlmanacDate(" 2008", "1 ", "5");
    ASSERT_TRUE(typed);
    EXPECT_EQ(typed->text, "2008-1-5");
    EXPECT_EQ(typed->date, QDate(2008, 1, 5));
}

TEST(AlmanacLookup, LaysOutTheRowAsNineLabelledLinesWithBlankLinesBetween)
{
    FixtureDbs dbs;
    dbs.exec(Db::KelBirth, "insert into huangdao values ('2008-01-05', ' 概要 ', '岁', '胎', '五', '冲', '彭', '吉', '宜', '凶', '忌')");
    const auto page = LookupAlmanac(*CheckAlmanacDate("2008", "1", "5"));
    ASSERT_TRUE(page);
    EXPECT_EQ(page->label, "2008-1-5  概要");
    EXPECT_EQ(page->lines, QStringList({"岁次:岁", "", "每日胎神占方:胎", "", "五行:五", "", "冲:冲", "", "彭祖百忌:彭", "",
                                        "吉神宜趋:吉", "", "宜:宜", "", "凶神宜忌:凶", "", "忌:忌"}));
    EXPECT_FALSE(LookupAlmanac(*CheckAlmanacDate("2021", "01", "01")));  // no row

    dbs.remove(Db::KelBirth);
    EXPECT_THROW(LookupAlmanac(*CheckAlmanacDate("2008", "1", "5")), DbError);
}

TEST(AlmanacGlossary, ThirtyTwoTermsInOrderWithTheFixedLines)
{
    const QStringList lines = AlmanacGlossary();
    QStringList terms;
    for (const QString& line : lines)
        if (!line.startsWith(' ')) terms << line.section(QStringLiteral(" ："), 0, 0);
    EXPECT_EQ(terms.join(' '), "嫁娶 祭祀 安葬 出行 祈福 动土 安床 开光 纳采 入殓 移徙 破土 解除 入宅 修造 栽种 开市 移柩 "
                               "订盟 拆卸 立卷 交易 求嗣 上梁 纳财 起基 斋醮 赴任 冠笄 安门 修坟 挂匾");
    EXPECT_TRUE(lines.contains("嫁娶 ：男娶女嫁，举行结婚大典的吉日 "));
    EXPECT_TRUE(lines.contains("出行 ：指外出旅行、观光游览 "));
    EXPECT_TRUE(lines.contains("动土 ：建筑时、第一次动起锄头挖土 "));
}
