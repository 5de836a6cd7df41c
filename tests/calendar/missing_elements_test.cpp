// The elements a birth chart lacks, as the naming pages read them from a birth row.
#include "calendar/missing_elements.h"

#include "calendar/bazi_cast.h"
#include "calendar/lunar_calendar.h"

#include "tests/support/fixture_db.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

QString str(const char* utf8) { return QString::fromUtf8(utf8); }

const char* const kElementRows =
    "insert into hzwh (hz, wh) values ('甲乙寅卯', '木'), ('丙丁巳午', '火'), ('戊己辰戌丑未', '土'), "
    "('庚辛申酉', '金'), ('壬癸亥子', '水');";

BirthInfo birth(const char* kind, const char* y, const char* m, const char* d, const char* hour, const char* minute = "0")
{
    BirthInfo b;
    b.calendarKind = str(kind);
    b.year = str(y);
    b.month = str(m);
    b.day = str(d);
    b.hour = str(hour);
    b.minute = str(minute);
    return b;
}

TEST(MissingElements, InFixedOrderAndEmptyWhenAllOccur)
{
    EXPECT_EQ(ElementsNotIn(str("木水火木土土土火")), str("金"));
    EXPECT_EQ(ElementsNotIn(str("土土土土")), str("金木水火"));
    EXPECT_EQ(ElementsNotIn(str("金木水火土")), QString());
}

TEST(MissingElements, ChartOfABirthRow)
{
    FixtureDbs dbs;  // no solar-term rows: the fixed dates decide, 甲子 丙寅 戊辰 戊午
    dbs.exec(Db::Tgcode, str(kElementRows));
    EXPECT_EQ(ComputeMissingElements(birth("公历", "1984", "2", "4", "午 12")).value(), str("金"));

    // A lunar birth row is converted first and gives the same chart as its solar day.
    const QDate solar = LunarToSolar(LunarDate{1984, 1, 3, false});
    const auto lunar = ComputeMissingElements(birth("农历", "1984", "1", "3", "午 12"));
    const auto chart = CastBaziChart(solar.year(), solar.month(), solar.day(), 12, 0, Sex::Male).value();
    EXPECT_EQ(lunar.value(), MissingElementsOf(chart));
}

TEST(MissingElements, BadBoxesGiveTheirMessages)
{
    FixtureDbs dbs;
    dbs.exec(Db::Tgcode, str(kElementRows));
    const struct { BirthInfo in; const char* message; } cases[] = {
        {birth("公历", " ", "2", "4", "午 12"), "请选择出生年!"},
        {birth("公历", "1984", "", "4", "午 12"), "请选择出生月!"},
        {birth("公历", "1984", "2", "", "午 12"), "请选择出生日!"},
        {birth("公历", "1984", "2", "4", ""), "请选择出生小时!"},
        {birth("公历", "19x4", "2", "4", "午 12"), "请检查输入数据是否出错！"},
        {birth("公历", "2009", "2", "29", "午 12"), "请检查输入数据是否出错！"},
        {birth("农历", "2023", "3", "30", "午 12"), "请检查输入数据是否出错！"},  // 三月 has 29 days that year
        {birth("公历", "1984", "2", "4", "午 12", "6o"), "请检查输入数据是否出错！"},
    };
    for (const auto& c : cases) {
        const auto got = ComputeMissingElements(c.in);
        ASSERT_FALSE(got.hasValue()) << c.message;
        EXPECT_EQ(got.error(), str(c.message));
    }
}

}  // namespace
