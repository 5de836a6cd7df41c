// The baby's details entered once: every birth row of the main window, and a window opened later,
// shows the values last entered on any of them, as typed and picked with the keyboard.
#include "app/birth_details.h"
#include "app/calendar/bazi_page.h"
#include "app/frm_index.h"
#include "app/numerology/name_page.h"
#include "app/frm_name_main.h"
#include "app/naming/name_list_model.h"
#include "app/naming/name_list_pair.h"
#include "app/naming/naming_page.h"
#include "app/naming/nickname_page.h"
#include "app/naming/poem_page.h"
#include "naming/stroke_plans.h"
#include "tests/app/notice_recorder.h"
#include "tests/app/typing.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct BirthDetailsInWindow : ::testing::Test {
    BuiltDbs dbs;
    NoticeRecorder recorder;
    TFrmIndex window;

    BirthDetailsInWindow()
    {
        window.endProcess = [] {};
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    struct NamedRow {
        const char* page;
        const BirthRow& row;
    };
    std::vector<NamedRow> rows() const
    {
        return {{"宝宝取名", window.namingPage->birthRow}, {"宝宝小名", window.nicknamePage->birthRow5},
                {"诗词起名", window.poemPage->birthRow},   {"姓名分析", window.namePage->birthRow3},
                {"八字分析", window.baziPage->birthRow2}};
    }
    // Types into a box as a person does: select what stands there, type over it.
    static void typeOver(QLineEdit* edit, const QString& text)
    {
        edit->setFocus();
        edit->selectAll();
        if (text.front().unicode() < 0x80) QTest::keyClicks(edit, text);
        else typeChinese(edit, text);
    }
};

}  // namespace

TEST_F(BirthDetailsInWindow, TheBabysPagesStartOnTodayAndEveryRowSaysSex)
{
    const QDate today = QDate::currentDate();
    for (const auto& [page, row] : rows()) {
        const bool babysPage = row.sex == window.namingPage->CBsex || row.sex == window.nicknamePage->birthRow5.sex;
        const QDate want = babysPage ? today : QDate(1980, 1, 1);
        const BirthInfo b = readBirthInfo(row);
        EXPECT_EQ(QDate(b.year.toInt(), b.month.toInt(), b.day.toInt()), want) << page;
        EXPECT_EQ(b.hour, "子 0") << page;
    }
    int sexLabels = 0;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        EXPECT_NE(label->text(), "姓别");
        sexLabels += label->text() == "性别";
    }
    EXPECT_GE(sexLabels, int(rows().size())) << "one on each birth row";
}

TEST_F(BirthDetailsInWindow, DetailsEnteredOnOneRowReachEveryRowAndTheWindowsOpenedFromThem)
{
    PoemPage& poem = *window.poemPage;
    window.RzPageControl1->setCurrentWidget(&poem);
    typeOver(poem.Xing5, "欧阳");
    poem.birthRow.sex->setFocus();
    QTest::keyClick(poem.birthRow.sex, Qt::Key_Down);  // 男 -> 女
    typeOver(poem.birthRow.year->lineEdit(), "2025");
    typeOver(poem.birthRow.month->lineEdit(), "7");
    typeOver(poem.birthRow.day->lineEdit(), "15");
    poem.birthRow.hour->setFocus();
    QTest::keyClick(poem.birthRow.hour, Qt::Key_Down);  // 子 0 -> 丑 1
    QCoreApplication::processEvents();

    for (const auto& [page, row] : rows()) {
        if (row.surname) {
            EXPECT_EQ(row.surname->text(), "欧阳") << page;
        }
        const BirthInfo b = readBirthInfo(row);
        EXPECT_EQ(b.sex, "女") << page;
        EXPECT_EQ(b.calendarKind, "公历") << page;
        EXPECT_EQ(QStringList({b.year, b.month, b.day, b.hour, b.minute}),
                  QStringList({"2025", "7", "15", "丑 1", "0"}))
            << page;
    }
    EXPECT_TRUE(window.namePage->birthRow3.givenName->text().isEmpty()) << "the given name is one name's, not the baby's";

    // The analysis window opened from a name of the list starts from them, and what the user changes
    // there comes back to every page.
    poem.MemoYixuan->setPlainText("明月照华堂，春来发几枝。\n天地玄黄，宇宙洪荒。");
    QTest::mouseClick(poem.RzBitBtn33, Qt::LeftButton);
    ASSERT_GT(poem.RzPageControl3->results().rowCount(), 0) << recorder.notices.join(' ').toStdString();
    QListView* list = poem.RzPageControl3->resultList;
    const QRect first = list->visualRect(list->model()->index(0, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, first.center());
    ASSERT_TRUE(QTest::qWaitFor([] { return qobject_cast<TFrmNameMain*>(QApplication::activeModalWidget()); }));
    QPointer<TFrmNameMain> analysis = qobject_cast<TFrmNameMain*>(QApplication::activeModalWidget());
    QStringList seen;
    seen << analysis->NameA->text() << analysis->Sex->currentText() << analysis->SYear->currentText()
         << analysis->Shour->currentText();
    analysis->Sex->setFocus();
    QTest::keyClick(analysis->Sex, Qt::Key_Up);  // 女 -> 男
    QCoreApplication::processEvents();
    QTest::mouseClick(analysis->RzBitBtn4, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return analysis.isNull(); })) << "退出 closes and frees the window";
    EXPECT_EQ(seen, (QStringList{"欧阳", "女", "2025", "丑 1"}));
    for (const auto& [page, row] : rows()) EXPECT_EQ(row.sex->currentText(), "男") << page;

    // The naming page builds its plans for the surname it got from the poem page before it searches.
    window.RzPageControl1->setCurrentWidget(window.namingPage);
    QSignalSpy ended(window.namingPage, &NamingPage::searchEnded);
    window.namingPage->CBInitFee->setChecked(false);
    QTest::mouseClick(window.namingPage->RzBitBtn5, Qt::LeftButton);
    StrokePlanOptions ouyang;
    ouyang.surname = "欧阳";
    ouyang.minimumScore = 70;
    QStringList plans;
    for (int i = 0; i < window.namingPage->CBCode->count(); ++i) plans << window.namingPage->CBCode->itemText(i);
    EXPECT_EQ(plans, StrokePlanItems(ouyang));
    QTest::mouseClick(window.namingPage->RzBitBtn2, Qt::LeftButton);
    ASSERT_TRUE(ended.wait(60000));
    EXPECT_TRUE(recorder.notices.isEmpty()) << recorder.notices.join(' ').toStdString();
}

TEST(BirthDetails, OnlyNewValuesAreToldAndForgettingStartsAfresh)
{
    BirthDetails& details = BirthDetails::shared();
    QSignalSpy changed(&details, &BirthDetails::changed);
    BirthInfo b;
    b.year = "2024";
    details.enter(QString("王"), b);
    details.enter(QString("王"), b);
    EXPECT_EQ(changed.size(), 1);
    details.enter(std::nullopt, b);
    EXPECT_EQ(changed.size(), 1) << "a row without a surname box keeps the surname";
    EXPECT_EQ(details.surname(), QString("王"));
    details.forget();
    EXPECT_FALSE(details.surname());
    EXPECT_FALSE(details.birth());
}
