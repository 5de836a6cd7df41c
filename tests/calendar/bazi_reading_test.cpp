// The reading lines of a chart, with small tables that show what comes from where.
#include "calendar/bazi_cast.h"
#include "calendar/bazi_lookup.h"
#include "calendar/bazi_reading.h"

#include "tests/support/fixture_db.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

QString str(const char* utf8) { return QString::fromUtf8(utf8); }

// The five element runs of stems and branches, as the hzwh table stores them.
const char* const kElementRows =
    "insert into hzwh (hz, wh) values ('甲乙寅卯', '木'), ('丙丁巳午', '火'), ('戊己辰戌丑未', '土'), "
    "('庚辛申酉', '金'), ('壬癸亥子', '水');";

class BaziReading : public ::testing::Test {
protected:
    FixtureDbs dbs;
    BaziChart chart;  // 1984-02-04 12:00, male, fixed dates: 甲子 丙寅 戊辰 戊午

    void SetUp() override
    {
        dbs.exec(Db::Tgcode, str(kElementRows));
        chart = CastBaziChart(1984, 2, 4, 12, 0, Sex::Male).value();
    }
};

TEST_F(BaziReading, EightCharactersAndTheirElements)
{
    EXPECT_EQ(EightCharactersLine(chart), str("八字：甲子   丙寅   戊辰   戊午"));
    EXPECT_EQ(ElementPairsText(chart), str("木水   火木   土土   土火"));
    EXPECT_EQ(FiveElementsLine(chart), str("五行：木水   火木   土土   土火"));
    EXPECT_EQ(ElementCountLine(chart), str("八字五行个数：金:占0个, 木:占2个, 水:占1个, 火:占2个, 土:占3个"));
}

TEST_F(BaziReading, TenGodsPutTheDayMasterThird)
{
    dbs.exec(Db::Tgcode, str("insert into Shishen (jiazi, ShiShen) values ('戊甲', '七杀 '), ('戊丙', '偏印'), ('戊戊', '比肩')"));
    EXPECT_EQ(TenGodsLine(chart), str("十神：七杀   偏印   日元   比肩"));
}

TEST_F(BaziReading, DayStemJiaShowsRiYuanWhateverTheTable)
{
    dbs.exec(Db::Tgcode, str("insert into Shishen (jiazi, ShiShen) values ('甲甲', '日元?'), ('甲丙', '食神')"));
    // 2024-01-01: day 甲子
    const BaziChart jia = CastBaziChart(2024, 1, 1, 12, 0, Sex::Female).value();
    ASSERT_EQ(jia.dayPillar.stemText(), str("甲"));
    const QStringList parts = TenGodsLine(jia).mid(3).split(QStringLiteral("   "));
    ASSERT_EQ(parts.size(), 4);
    EXPECT_EQ(parts[2], str("日元"));
}

TEST_F(BaziReading, EmptyTenGodTableLeavesOnlyTheSeparators)
{
    EXPECT_EQ(TenGodsLine(chart), str("十神：      日元   "));
}

TEST_F(BaziReading, Nayin)
{
    dbs.exec(Db::Tgcode, str("insert into jiazi (jiazi, layin, ws) values ('甲子', '海中金', '金'), ('丙寅', ' 炉中火 ', '火'), "
                             "('戊辰', '大林木', '木'), ('戊午', '天上火', '火')"));
    EXPECT_EQ(NayinOf(str("丙寅")), str("炉中火"));
    EXPECT_EQ(NayinLine(chart), str("纳音：海中金 炉中火 大林木 天上火"));
    EXPECT_EQ(NayinOf(str("乙丑")), QString());
}

TEST_F(BaziReading, FiveLinesInReportOrder)
{
    const QStringList lines = BaziReadingLines(chart);
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(lines[0].startsWith(str("十神：")));
    EXPECT_TRUE(lines[1].startsWith(str("八字：")));
    EXPECT_TRUE(lines[2].startsWith(str("五行：")));
    EXPECT_TRUE(lines[3].startsWith(str("纳音：")));
    EXPECT_TRUE(lines[4].startsWith(str("八字五行个数：")));
}

TEST_F(BaziReading, LuckListsKeepTheirTrailingSeparators)
{
    dbs.exec(Db::Tgcode, str("insert into jiazi (jiazi, layin, ws) values ('丙寅', '炉中火', '火'), ('丁卯', '炉中火', '火')"));
    dbs.exec(Db::Tgcode, str("insert into Shishen (jiazi, ShiShen) values ('戊丙', '偏印'), ('戊丁', '正印')"));
    // luck pillars 丙寅 丁卯 戊辰 … 乙亥: two of them have rows, the other eight print empty text
    EXPECT_EQ(LuckNayinText(chart), str("纳音：炉中火 炉中火         "));
    EXPECT_EQ(LuckGodsText(chart), str("十神：偏印   正印   ") + QString(8 * 3, u' '));
}

TEST(BaziLookup, MissingFileGivesEmptyText)
{
    FixtureDbs dbs;
    dbs.remove(Db::Tgcode);
    EXPECT_EQ(TenGodOf(str("甲"), str("丙")), QString());
    EXPECT_EQ(NayinOf(str("甲子")), QString());
}

TEST(ElementTally, CountsByPosition)
{
    EXPECT_EQ(ElementTally(str("木水   火木   土土   土火")), str("金:占0个, 木:占2个, 水:占1个, 火:占2个, 土:占3个"));
    EXPECT_EQ(ElementTally(str("金金   金金   金金   金金")), str("金:占8个, 木:占0个, 水:占0个, 火:占0个, 土:占0个"));
    // characters between the pairs do not count, even when they are elements
    EXPECT_EQ(ElementTally(str("木水 金 火木 金 土土   土火")), str("金:占0个, 木:占2个, 水:占1个, 火:占2个, 土:占3个"));
    // a short text (a lookup that gave nothing) still lists all five
    EXPECT_EQ(ElementTally(QString()), str("金:占0个, 木:占0个, 水:占0个, 火:占0个, 土:占0个"));
    EXPECT_EQ(ElementTally(str("木")), str("金:占0个, 木:占1个, 水:占0个, 火:占0个, 土:占0个"));
}

}  // namespace
