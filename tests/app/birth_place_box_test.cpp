// The birthplace box of the birth rows, typed into and picked from as a user does.
#include "app/birth_place_box.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString str(const char* utf8) { return QString::fromUtf8(utf8); }

// Types text into the place box, Chinese as an input method commits it, and picks the first entry
// of the popup with the keyboard.
void typeAndPickFirst(BirthPlaceBox& box, const QString& text)
{
    box.place->lineEdit()->clear();
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QCoreApplication::sendEvent(box.place->lineEdit(), &commit);
    QAbstractItemView* popup = box.place->completer()->popup();
    ASSERT_TRUE(QTest::qWaitFor([&] { return popup->isVisible(); }, 2000)) << text.toStdString();
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
}

}  // namespace

TEST(BirthPlaceBox, TypingNameOrInitialsOffersThePlaceAndPickingFillsTheLongitude)
{
    BuiltDbs dbs;
    BirthPlaceBox box(QStringLiteral("Birth"));
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    EXPECT_EQ(box.place->objectName(), QStringLiteral("BirthPlace"));
    EXPECT_EQ(box.zi->currentText(), str("晚子时（日柱不换）"));
    EXPECT_EQ(box.zi->count(), 2);

    for (const char* typed : {"乌鲁", "wlmq"}) {
        typeAndPickFirst(box, str(typed));
        EXPECT_EQ(box.placeText(), str("乌鲁木齐市（新疆维吾尔自治区）")) << typed;
        EXPECT_EQ(box.longitudeText(), QStringLiteral("87.63")) << typed;
    }

    // The longitude may be typed over by hand; clearing the place clears the longitude it brought.
    box.longitude->setText(QString());
    QTest::keyClicks(box.longitude, QStringLiteral("87.62"));
    EXPECT_EQ(box.longitudeText(), QStringLiteral("87.62"));
    box.place->lineEdit()->selectAll();
    QTest::keyClick(box.place->lineEdit(), Qt::Key_Backspace);
    EXPECT_TRUE(box.placeText().isEmpty());
    EXPECT_TRUE(box.longitudeText().isEmpty());
}
