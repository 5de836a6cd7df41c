// Casting a birth row on its true solar time and its school of the 子 hour.
#include "calendar/bazi_cast.h"
#include "calendar/missing_elements.h"

#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

QString str(const char* utf8) { return QString::fromUtf8(utf8); }

QString pillarsOf(const BaziChart& c)
{
    return c.yearPillar.text() + u' ' + c.monthPillar.text() + u' ' + c.dayPillar.text() + u' ' + c.hourPillar.text();
}

struct Row {
    const char* date;  // yyyy-M-d
    const char* hour;  // an hour item
    const char* minute;
    const char* place;
    const char* longitude;
    bool early;
};

BirthInfo birthOf(const Row& r)
{
    BirthInfo b;
    const QStringList ymd = QString::fromLatin1(r.date).split(u'-');
    b.year = ymd[0];
    b.month = ymd[1];
    b.day = ymd[2];
    b.hour = str(r.hour);
    b.minute = str(r.minute);
    b.place = str(r.place);
    b.longitude = str(r.longitude);
    if (r.early) b.ziHour = ZiHourItems().at(1);
    return b;
}

QString castPillars(const Row& r)
{
    const auto chart = CastBirthChart(birthOf(r));
    if (!chart) return QStringLiteral("error: ") + chart.error();
    return pillarsOf(*chart);
}

TEST(ZiHour, TheNextDaysStemFrom23AndTheDayPillarByTheChosenSchool)
{
    BuiltDbs dbs;
    const struct {
        Row row;
        const char* want;
    } cases[] = {
        {{"2000-1-1", "子 23", "30", "", "", false}, "己卯 丙子 戊午 甲子"},  // 晚子时: the day stays
        {{"2000-1-1", "子 23", "30", "", "", true}, "己卯 丙子 己未 甲子"},   // 早子时: 23:00 opens 2 January
        {{"2000-1-1", "子 0", "0", "", "", false}, "己卯 丙子 戊午 壬子"},
        {{"2000-1-1", "子 0", "0", "", "", true}, "己卯 丙子 戊午 壬子"},
        {{"2000-1-1", "亥 22", "59", "", "", true}, "己卯 丙子 戊午 癸亥"},
    };
    for (const auto& c : cases) EXPECT_EQ(castPillars(c.row), str(c.want)) << c.row.hour << c.row.minute << c.row.early;
}

TEST(TrueSolarCast, ThePlaceMovesTheHourAndTheDayButNotTheTerms)
{
    BuiltDbs dbs;
    const struct {
        Row row;
        const char* want;
        const char* solarTime;  // "" without a place
    } cases[] = {
        // Ürümqi at noon is 09:49 by the Sun: 巳, not 午.
        {{"2000-6-21", "午 12", "0", "", "", false}, "庚辰 壬午 庚戌 壬午", ""},
        {{"2000-6-21", "午 12", "0", "乌鲁木齐市", "", false}, "庚辰 壬午 庚戌 辛巳", "09:49"},
        // Summer time: 12:00 on the clocks of 1988-07-01 was 11:00 standard time, 10:42 by the Sun in Beijing.
        {{"1988-7-1", "午 12", "0", "", "", false}, "戊辰 戊午 丁巳 丙午", ""},
        {{"1988-7-1", "午 12", "0", "北京市", "", false}, "戊辰 戊午 丁巳 乙巳", "10:42"},
        // Kashgar, 00:30 on 2 January is 21:31 on 1 January by the Sun: the day and the hour move back.
        {{"2000-1-2", "子 0", "30", "", "", false}, "己卯 丙子 己未 甲子", ""},
        {{"2000-1-2", "子 0", "30", "", "75.99", false}, "己卯 丙子 戊午 癸亥", "21:31"},
        // 立春 1984 came at 23:19 Beijing time. At 23:30 on the clocks the new year has begun in Kashgar
        // too, though the Sun there shows 20:20 on 4 February: the terms are compared in Beijing time.
        {{"1984-2-4", "子 23", "30", "喀什地区", "", false}, "甲子 丙寅 戊辰 壬戌", "20:20"},
        {{"1984-2-4", "戌 20", "30", "", "", false}, "癸亥 乙丑 戊辰 壬戌", ""},
    };
    for (const auto& c : cases) {
        const auto chart = CastBirthChart(birthOf(c.row));
        ASSERT_TRUE(chart) << c.row.date << ' ' << chart.error().toStdString();
        EXPECT_EQ(pillarsOf(*chart), str(c.want)) << c.row.date << ' ' << c.row.place << c.row.longitude;
        EXPECT_EQ(chart->moment.place.has_value(), *c.solarTime != 0) << c.row.date;
        if (chart->moment.place) {
            EXPECT_EQ(chart->moment.time.toString(QStringLiteral("HH:mm")), str(c.solarTime));
        }
    }
}

TEST(TrueSolarCast, APlaceThatCannotBeUsedIsToldNotIgnored)
{
    BuiltDbs dbs;
    EXPECT_EQ(CastBirthChart(birthOf({"2000-6-21", "午 12", "0", "火星", "", false})).error(),
              str("找不到出生地：火星，请从列表中选择或填写经度!"));
    for (const char* bad : {"东经", "181", "-180.5", "nan", "inf"})
        EXPECT_EQ(CastBirthChart(birthOf({"2000-6-21", "午 12", "0", "", bad, false})).error(),
                  str("经度应为-180到180之间的数字!"))
            << bad;
    // A typed longitude wins over the place's own.
    const auto typed = CastBirthChart(birthOf({"2000-6-21", "午 12", "0", "北京市", "87.62", false}));
    ASSERT_TRUE(typed);
    EXPECT_EQ(typed->moment.place->placeName, str("北京市"));
    EXPECT_DOUBLE_EQ(typed->moment.place->longitude, 87.62);
}

}  // namespace
