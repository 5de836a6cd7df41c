// The zodiac sign of a solar birth date.
#include "calendar/constellation.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

TEST(ConstellationOf, BoundariesOfTheRanges)
{
    const struct {
        QDate date;
        const char* sign;
    } cases[] = {
        {QDate(2000, 12, 22), "摩羯座"}, {QDate(2000, 12, 31), "摩羯座"}, {QDate(2000, 1, 1), "摩羯座"},
        {QDate(2000, 1, 19), "摩羯座"},  {QDate(2000, 1, 20), "水瓶座"},  {QDate(2000, 2, 18), "水瓶座"},
        {QDate(2000, 2, 19), "双鱼座"},  {QDate(2000, 2, 29), "双鱼座"},  {QDate(2000, 3, 21), "白羊座"},
        {QDate(2000, 4, 20), "白羊座"},  {QDate(2000, 4, 21), "金牛座 "}, {QDate(2000, 5, 20), "金牛座 "},
        {QDate(2000, 5, 21), "双子座"},  {QDate(2000, 6, 21), "双子座"},  {QDate(2000, 6, 22), "巨蟹座"},
        {QDate(2000, 7, 23), "狮子座"},  {QDate(2000, 8, 22), "狮子座"},  {QDate(2000, 8, 23), "处女座"},
        {QDate(2000, 9, 23), "天秤座"},  {QDate(2000, 10, 22), "天秤座"}, {QDate(2000, 10, 23), "天蝎座"},
        {QDate(2000, 11, 21), "天蝎座"}, {QDate(2000, 11, 22), "射手座"}, {QDate(2000, 12, 21), "射手座"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ConstellationOf(c.date), QString::fromUtf8(c.sign)) << c.date.toString(Qt::ISODate).toStdString();
}

TEST(ConstellationOf, TaurusKeepsItsTrailingBlank)
{
    EXPECT_EQ(ConstellationOf(QDate(1990, 5, 1)).size(), 4);
    EXPECT_TRUE(ConstellationOf(QDate(1990, 5, 1)).endsWith(u' '));
}

TEST(ConstellationOf, InvalidDateHasNoSign)
{
    EXPECT_EQ(ConstellationOf(QDate()), QString());
}

}  // namespace

namespace {

TEST(ConstellationOf, EveryDayOfALeapYearHasASign)
{
    for (QDate d(2000, 1, 1); d.year() == 2000; d = d.addDays(1))
        ASSERT_FALSE(ConstellationOf(d).isEmpty()) << d.toString(Qt::ISODate).toStdString();
}

}  // namespace
