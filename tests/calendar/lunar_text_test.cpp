// The printed forms of a lunar date and the year's stem-branch pair.
#include "calendar/lunar_calendar.h"
#include "calendar/lunar_text.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

QString str(const char* utf8) { return QString::fromUtf8(utf8); }

TEST(LunarYearText, CycleFrom1864)
{
    EXPECT_EQ(LunarYearText(1984 - 1864), str("甲子(鼠年)"));
    EXPECT_EQ(LunarYearText(1980 - 1864), str("庚申(猴年)"));
    EXPECT_EQ(LunarYearText(2023 - 1864), str("癸卯(兔年)"));
    EXPECT_EQ(LunarYearText(0), str("甲子(鼠年)"));
    EXPECT_EQ(LunarYearText(59), str("癸亥(猪年)"));
    EXPECT_EQ(LunarYearText(2100 - 1864), str("庚申(猴年)"));
}

TEST(LunarMonthText, NumbersLeapAndOutOfRange)
{
    const struct {
        int month;
        bool leap;
        const char* text;
    } cases[] = {
        {1, false, "一月"},  {4, true, "闰四月"}, {10, false, "十月"}, {11, false, "十一月"},
        {12, true, "闰十二月"}, {13, false, "月"},  {-1, true, "闰月"},
    };
    for (const auto& c : cases) EXPECT_EQ(LunarMonthText(c.month, c.leap), str(c.text)) << c.month;
}

TEST(LunarDayText, EveryDayOfAMonth)
{
    const char* expected[31] = {"",     "初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
                                "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
                                "廿一", "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
    for (int day = 0; day <= 30; ++day) EXPECT_EQ(LunarDayText(day), str(expected[day])) << day;
    EXPECT_EQ(LunarDayText(31), QString());
    EXPECT_EQ(LunarDayText(-3), QString());
}

TEST(LunarText, NoDatePrintsNothing)
{
    const LunarDate none = SolarToLunar(QDate(1899, 1, 1));
    ASSERT_TRUE(none.isNull());
    EXPECT_EQ(LunarYearText(none.Year - 1864), QString());
    EXPECT_EQ(LunarMonthText(none.Month, none.IsLeap), QString());
    EXPECT_EQ(LunarDayText(none.Day), QString());
}

TEST(YearGanzhi, FirstTwoCharactersOfTheYearText)
{
    EXPECT_EQ(YearGanzhi(1984), str("甲子"));
    EXPECT_EQ(YearGanzhi(1990), str("庚午"));
    EXPECT_EQ(YearGanzhi(2000), str("庚辰"));
}

}  // namespace
