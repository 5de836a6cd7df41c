// The strength of the five elements: the weights and season factors, the rounding to a total of
// 100, the day master's strength and the favourable elements.
#include "calendar/element_strength.h"
#include "calendar/ganzhi.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

namespace {

QString str(const char* utf8) { return QString::fromUtf8(utf8); }

Pillar pillar(const char* utf8)
{
    const QString t = str(utf8);
    return Pillar::of(StemIndex(t.left(1)), BranchIndex(t.mid(1, 1)));
}

ElementStrength strengthOf(const char* y, const char* m, const char* d, const char* h)
{
    return ElementStrengthOf(pillar(y), pillar(m), pillar(d), pillar(h));
}

TEST(ElementStrength, WorkedChartOf1984)
{
    // 甲子 丙寅 戊辰 戊午, in the 寅 month (wood's season). Raw counts: 木 1.9, 火 2.0, 土 3.0,
    // 金 0, 水 1.1; weighted by 旺 1.5, 相 1.2, 死 0.6, 囚 0.8, 休 1.0: 2.85, 2.4, 1.8, 0, 1.1.
    const ElementStrength s = strengthOf("甲子", "丙寅", "戊辰", "戊午");
    EXPECT_EQ(s.shares, (std::array<double, 5>{35.0, 29.4, 22.1, 0.0, 13.5}));
    EXPECT_EQ(s.dayMasterElement, 2);
    EXPECT_DOUBLE_EQ(s.supportShare, 51.5);
    EXPECT_TRUE(s.strong);
    EXPECT_EQ(s.favourableText(), str("金水"));
    const QStringList lines = ElementStrengthLines(s, StemIndex(str("戊")));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], str("五行力量：木35.0%   火29.4%   土22.1%   金0.0%   水13.5%"));
    EXPECT_EQ(lines[1], str("日主：戊土 身强（土与生土之火合占51.5%，过半为强）"));
    EXPECT_EQ(lines[2], str("喜用神：金水（扶抑法：身强取泄耗；一家之说，仅供参考）"));
}

TEST(ElementStrength, TheSeasonDecidesBetweenStrongAndWeak)
{
    // The same 甲 day among fire and wood: strong (51.2 %) in wood's season, weak (39.1 %) in metal's.
    const struct {
        const char* month;
        bool strong;
        const char* favourable;
    } cases[] = {
        {"丙寅", true, "火土"},   // wood's season: 甲 favours the fire it feeds, then the earth it rules
        {"丙申", false, "水木"},  // metal's season: 甲 wants the water that feeds it, then more wood
    };
    for (const auto& c : cases) {
        const ElementStrength s = strengthOf("壬辰", c.month, "甲午", "丙寅");
        EXPECT_EQ(s.strong, c.strong) << c.month;
        EXPECT_EQ(s.favourableText(), str(c.favourable)) << c.month;
    }
}

TEST(ElementStrength, SharesSumToExactlyOneHundredForEveryDayAndMonth)
{
    for (int day = 0; day < 60; ++day)
        for (int month = 0; month < 12; ++month)
            for (int hour = 0; hour < 12; ++hour) {
                const Pillar d = Pillar::ofNumber(day);
                const ElementStrength s = ElementStrengthOf(Pillar::of(7, 1), Pillar::of(month + 2, month), d,
                                                            Pillar::of(2 * d.stem() + hour, hour));
                int tenths = 0;
                for (double share : s.shares) {
                    ASSERT_GE(share, 0.0);
                    ASSERT_DOUBLE_EQ(share * 10, std::round(share * 10));
                    tenths += int(std::lround(share * 10));
                }
                ASSERT_EQ(tenths, 1000) << day << ' ' << month << ' ' << hour;
            }
}

TEST(ElementStrength, ASingleElementChartHoldsEverything)
{
    // 壬子 ×4: only water, in water's season.
    const ElementStrength s = strengthOf("壬子", "壬子", "壬子", "壬子");
    EXPECT_EQ(s.shares, (std::array<double, 5>{0, 0, 0, 0, 100.0}));
    EXPECT_TRUE(s.strong);
    EXPECT_EQ(s.favourableText(), str("木火"));
}

}  // namespace
