// The calendar window and the almanac window, driven offscreen through their controls.
#include "app/calendar/form_huangdao.h"
#include "app/calendar/frm_date.h"
#include "app/tools/tools_page.h"
#include "tests/app/notice_recorder.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

QLabel* solarOf(TFRM_Date& w, int pair) { return w.findChild<QLabel*>(QStringLiteral("SolarDay%1").arg(pair)); }
QLabel* lunarOf(TFRM_Date& w, int pair) { return w.findChild<QLabel*>(QStringLiteral("LunarDay%1").arg(pair)); }
QColor textColour(const QLabel* label) { return label->palette().color(QPalette::WindowText); }

// The pair that shows day `day`, found the way a user sees it: by the visible number.
int pairShowing(TFRM_Date& w, int day)
{
    for (int pair = 1; pair <= 37; ++pair)
        if (solarOf(w, pair)->isVisible() && solarOf(w, pair)->text() == QString::number(day)) return pair;
    return 0;
}

bool highlights(TFRM_Date& w, int pair)
{
    const QLabel* solar = solarOf(w, pair);
    return w.Shape2->pos() == QPoint(solar->x() - 1, solar->y() + 1);
}

}  // namespace

TEST(CalendarWindow, OpensOnTodayWithItsControls)
{
    TFRM_Date w;
    w.show();
    const QDate today = QDate::currentDate();
    EXPECT_EQ(w.windowTitle(), "嘉名日历");
    EXPECT_EQ(w.Label1->text(), QString::number(today.year()));
    EXPECT_EQ(w.Label17->text(), QString::number(today.month()));
    EXPECT_EQ(w.UpDown1->value(), today.year());
    EXPECT_EQ(w.UpDown1->minimum(), 1901);
    EXPECT_EQ(w.UpDown1->maximum(), 2050);
    EXPECT_EQ(w.Label1->toolTip(), "单击改变年份");
    EXPECT_EQ(w.Label17->toolTip(), "单击改变月份");
    EXPECT_TRUE(highlights(w, pairShowing(w, today.day())));
    EXPECT_EQ(w.findChild<QLabel*>("Weekday1")->text(), "星期日");
    EXPECT_EQ(w.findChild<QLabel*>("Weekday7")->text(), "星期六");
    EXPECT_EQ(w.findChildren<QLabel*>(QRegularExpression("^(Solar|Lunar)Day\\d+$")).size(), 2 * 37);

    QTest::mouseClick(w.Label17, Qt::LeftButton);
    EXPECT_TRUE(w.UpDown2->isVisible());
    EXPECT_FALSE(w.UpDown1->isVisible());
    QTest::mouseClick(w.Label1, Qt::LeftButton);
    EXPECT_TRUE(w.UpDown1->isVisible());
    EXPECT_FALSE(w.UpDown2->isVisible());
}

TEST(CalendarWindow, February2024WithItsFestivalsTermAndColours)
{
    TFRM_Date w;
    w.setSelectedDate(QDate(2024, 2, 10));
    w.show();
    EXPECT_EQ(w.Label21->text(), "辰龙");
    EXPECT_EQ(w.Label22->text(), "水瓶座");
    // 1 February 2024 is a Thursday: pairs 5 … 33
    EXPECT_FALSE(solarOf(w, 4)->isVisible());
    EXPECT_EQ(solarOf(w, 5)->text(), "1");
    EXPECT_EQ(solarOf(w, 33)->text(), "29");
    EXPECT_FALSE(solarOf(w, 34)->isVisible());
    const struct { int day; const char* text; QColor colour; } cases[] = {
        {4, "立春", QColor(83, 83, 255)}, {9, "除夕", QColor(255, 128, 0)}, {10, "春节", QColor(255, 128, 0)},
        {11, "初二", QColor(0, 64, 0)},   {14, "情人节", QColor(255, 128, 0)},
    };
    for (const auto& c : cases) {
        QLabel* lunar = lunarOf(w, 4 + c.day);
        EXPECT_EQ(lunar->text(), QString::fromUtf8(c.text)) << c.day;
        EXPECT_EQ(textColour(lunar), c.colour) << c.day;
    }
    EXPECT_TRUE(highlights(w, 14));
    EXPECT_EQ(textColour(solarOf(w, 14)), QColor(Qt::black));
}

TEST(CalendarWindow, FirstOfALunarMonthInRedAndAThirtyOneDayMonthFromSaturday)
{
    TFRM_Date w;
    w.setSelectedDate(QDate(2023, 3, 1));
    w.show();
    QLabel* leap = lunarOf(w, pairShowing(w, 22));
    EXPECT_EQ(leap->text(), "闰二");
    EXPECT_EQ(textColour(leap), QColor(255, 0, 0));

    w.UpDown1->setValue(2022);
    w.UpDown2->setValue(10);  // 1 October 2022 is a Saturday
    EXPECT_FALSE(solarOf(w, 6)->isVisible());
    EXPECT_EQ(solarOf(w, 7)->text(), "1");
    EXPECT_EQ(lunarOf(w, 7)->text(), "国庆节");
    EXPECT_EQ(solarOf(w, 37)->text(), "31");
    EXPECT_TRUE(solarOf(w, 37)->isVisible());
}

TEST(CalendarWindow, NavigationKeepsTheDay)
{
    TFRM_Date w;
    w.setSelectedDate(QDate(2024, 5, 31));
    w.show();
    w.UpDown2->setValue(6);
    EXPECT_TRUE(highlights(w, pairShowing(w, 30)));
    EXPECT_EQ(w.Label22->text(), "巨蟹座");
    w.UpDown2->setValue(7);
    EXPECT_TRUE(highlights(w, pairShowing(w, 31)));
    w.UpDown1->setValue(2025);
    EXPECT_EQ(w.Label1->text(), "2025");
    EXPECT_EQ(w.Label21->text(), "巳蛇");
}

TEST(CalendarWindow, ClickingADaySelectsItAndTodayReturns)
{
    TFRM_Date w;
    w.setSelectedDate(QDate(2024, 8, 1));
    w.show();
    const int pair = pairShowing(w, 23);
    QTest::mousePress(lunarOf(w, pair), Qt::LeftButton);
    EXPECT_EQ(w.Shape2->pos(), QPoint(lunarOf(w, pair)->x(), lunarOf(w, pair)->y() - 16));
    QTest::mouseRelease(lunarOf(w, pair), Qt::LeftButton);
    EXPECT_EQ(w.selectedDate(), QDate(2024, 8, 23));
    EXPECT_EQ(w.Label22->text(), "处女座");
    EXPECT_TRUE(highlights(w, pair));

    QTest::mouseClick(w.StaticText1, Qt::LeftButton);
    EXPECT_EQ(w.selectedDate(), QDate::currentDate());
    EXPECT_EQ(w.Label1->text(), QString::number(QDate::currentDate().year()));
}

TEST(CalendarWindow, ClosesWhenAnotherWindowComesToTheFront)
{
    ToolsPage page;
    page.RzToolButton36->click();  // 日历
    QPointer<TFRM_Date> w = qobject_cast<TFRM_Date*>(QApplication::activeModalWidget());
    ASSERT_FALSE(w.isNull());
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.isNull(); }));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

namespace {

struct AlmanacWindowFixture : ::testing::Test {
    FixtureDbs dbs;
    NoticeRecorder recorder;
    QStringList& notices = recorder.notices;
    QString today = QDate::currentDate().toString(Qt::ISODate);

    AlmanacWindowFixture()
    {
        dbs.exec(Db::KelBirth, QStringLiteral("insert into huangdao values ('%1', '今日概要', '岁', '胎', '五', '冲', '彭', '吉', '宜', '凶', '忌'),"
                                              " ('2021-01-01', '元旦概要', 'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i')").arg(today));
    }

    void choose(TFormHuangdao& w, const QString& y, const QString& m, const QString& d)
    {
        w.SYear->setEditText(y);
        w.SMonth->setEditText(m);
        w.Sday->setEditText(d);
        QTest::mouseClick(w.RzBitBtn1, Qt::LeftButton);
    }
};

}  // namespace

TEST_F(AlmanacWindowFixture, OpensOnTodaysEntry)
{
    TFormHuangdao w;
    w.show();
    EXPECT_EQ(w.windowTitle(), "黄道吉日");
    EXPECT_EQ(w.Label1->text(), today + "  今日概要");
    const QStringList lines = w.Memo1->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 17);
    EXPECT_EQ(lines[0], "岁次:岁");
    EXPECT_EQ(lines[16], "忌:忌");
    EXPECT_EQ(w.SYear->currentText(), today.left(4));
    EXPECT_EQ(w.SYear->itemText(0), "1900");
    EXPECT_EQ(w.SYear->itemText(w.SYear->count() - 1), "2100");
    EXPECT_EQ(w.SMonth->itemText(0), "01");
    EXPECT_TRUE(w.Memo2->isReadOnly());
    EXPECT_TRUE(w.Memo2->toPlainText().startsWith("嫁娶 ：男娶女嫁，举行结婚大典的吉日 \n祭祀 ："));
    EXPECT_TRUE(notices.isEmpty());
}

TEST_F(AlmanacWindowFixture, RefusedDatesAndMissingRowsKeepTheEntry)
{
    TFormHuangdao w;
    w.show();
    const QString label = w.Label1->text(), memo = w.Memo1->toPlainText();
    choose(w, "2009", "02", "29");
    choose(w, " ", "02", "01");
    choose(w, "2009", "", "01");
    choose(w, "2009", "02", "");
    choose(w, "2020", "06", "01");  // a day without a row: no message, nothing changes
    EXPECT_EQ(notices, QStringList({"提示:请选择有效的日期!", "提示:请选择年!", "提示:请选择月!", "提示:请选择日!"}));
    EXPECT_EQ(w.Label1->text(), label);
    EXPECT_EQ(w.Memo1->toPlainText(), memo);

    choose(w, "2021", "1", "1");  // a year typed outside the list and a month without its zero
    EXPECT_EQ(w.Label1->text(), "2021-1-1  元旦概要");
    EXPECT_TRUE(w.Memo1->toPlainText().startsWith("岁次:a\n\n每日胎神占方:b"));
}

TEST_F(AlmanacWindowFixture, AnUnreadableFileIsReportedAndTheWindowStays)
{
    TFormHuangdao w;
    w.show();
    dbs.remove(Db::KelBirth);
    choose(w, "2021", "01", "01");
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.Label1->text(), today + "  今日概要");
}
