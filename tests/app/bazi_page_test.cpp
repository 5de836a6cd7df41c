// The bazi page with a birthplace and its bar chart of the five elements, driven as a user does.
#include "app/birth_place_box.h"
#include "app/calendar/bazi_page.h"
#include "app/calendar/element_bar_chart.h"
#include "calendar/element_strength.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString str(const char* utf8) { return QString::fromUtf8(utf8); }

void fillBirth(BaziPage& page, const char* year, const char* month, const char* day, const char* hour)
{
    page.birthRow2.year->setEditText(str(year));
    page.birthRow2.month->setEditText(str(month));
    page.birthRow2.day->setEditText(str(day));
    page.birthRow2.hour->setEditText(str(hour));
}

}  // namespace

TEST(BaziPage, APickedBirthplaceCastsOnTheTrueSolarTimeAndTheBarsShowTheShares)
{
    BuiltDbs dbs;
    BaziPage page;
    page.resize(1400, 700);
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    EXPECT_FALSE(page.ElementBars->shares()) << "no bars before the first report";

    fillBirth(page, "2000", "6", "21", "午 12");
    BirthPlaceBox* place = page.birthRow2.place;
    ASSERT_NE(place, nullptr);
    QInputMethodEvent typed;
    typed.setCommitString(str("乌鲁木齐"));
    QCoreApplication::sendEvent(place->place->lineEdit(), &typed);
    QAbstractItemView* popup = place->place->completer()->popup();
    ASSERT_TRUE(QTest::qWaitFor([&] { return popup->isVisible(); }, 2000));
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    EXPECT_EQ(place->longitudeText(), QStringLiteral("87.63"));

    QTest::mouseClick(page.RzButton2, Qt::LeftButton);
    const QStringList lines = page.Memo1->toPlainText().split(u'\n');
    ASSERT_GT(lines.size(), 8);
    EXPECT_EQ(lines[7], str("出生地：乌鲁木齐市  经度 87.63°E  真太阳时：09:49"));
    EXPECT_TRUE(lines.contains(str("八字：庚辰   壬午   庚戌   辛巳")));

    // The bars hold the shares the report prints, each drawn in its element's colour.
    ASSERT_TRUE(page.ElementBars->shares());
    const std::array<double, 5> shares = *page.ElementBars->shares();
    QStringList printed;
    for (int e = 0; e < 5; ++e) printed << ElementName(e) + QString::number(shares[e], 'f', 1) + u'%';
    EXPECT_TRUE(lines.contains(str("五行力量：") + printed.join(QStringLiteral("   "))));
    const QImage image = page.ElementBars->grab().toImage();
    for (int e = 0; e < 5; ++e) {
        const QRect bar = page.ElementBars->barRect(e);
        if (shares[e] < 2) continue;  // too short to hit reliably
        const qreal ratio = image.devicePixelRatio();
        EXPECT_EQ(image.pixelColor(bar.center() * ratio), ElementBarChart::elementColour(e)) << e;
    }
    // The longer share has the longer bar.
    EXPECT_EQ(shares[0] > shares[2], page.ElementBars->barRect(0).width() > page.ElementBars->barRect(2).width());
}
