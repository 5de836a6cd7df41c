#include "app/frm_name_main.h"
#include "app/naming/name_list_model.h"
#include "app/naming/name_list_pair.h"
#include "naming/given_name_cut.h"
#include "tests/app/notice_recorder.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

TEST(GivenNameCut, CutsByTheBytesOfTheSurnameBoxAsItStandsNow)
{
    const struct { const char* line; const char* surnameBox; const char* given; const char* why; } cases[] = {
        {"王明华(85分)", "王", "明华", "single surname"},
        {"欧阳明(81分)", "欧阳", "明", "compound surname"},
        {"王明华(85分)", "欧阳", "华", "the box changed after the search: cut by the new surname"},
        {"王明华(85分)", " 王 ", "明华", "the box is trimmed before it is measured"},
        {"王明华", "王", "明华", "a line without a score"},
        {"王明华(85分)", "", "王明华", "an empty box cuts nothing"},
        {"王明华(85分)", "a", "明华", "one byte cannot leave half a character behind"},
        {"王一二三四五六七八九十甲(85分)", "王", "一二三四五六七八九十", "at most 20 bytes"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(givenNameAfterSurname(nameOfResultLine(QString::fromUtf8(c.line)), QString::fromUtf8(c.surnameBox)),
                  QString::fromUtf8(c.given))
            << c.why;
}

namespace {

struct Opened {
    QString surname, given;
    BirthInfo birth;
};

// A pair named as the baby-naming page names its lists, fed by a surname box and a birth row.
struct NameListPairFixture : ::testing::Test {
    QString surnameBox = "王";
    BirthInfo birth;
    NameListPair pair{{"RzPageControl2",
                       "高分名字", "ListBox1", "已选名字", "ListBox2",
                       {"BtnFuzhi", "复制高分"}, {"RzBitBtn24", "添加到已选"},
                       {"RzBitBtn29", "复制已选"}, {"RzBitBtn30", "清空已选"}},
                      [this] { return NameAnalysisInputs{surnameBox, birth}; }};
    QList<Opened> opened;

    NameListPairFixture()
    {
        birth.sex = "女";
        birth.calendarKind = "农历";
        birth.year = "2024";
        birth.month = "5";
        birth.day = "17";
        birth.hour = "午 12";
        birth.minute = "30";
        pair.openAnalysis = [this](const QString& s, const QString& g, const BirthInfo& b) { opened << Opened{s, g, b}; };
        pair.resize(240, 300);
        pair.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&pair));
    }

    void select(QListView* list, int row) { list->setCurrentIndex(list->model()->index(row, 0)); }
    void doubleClick(QListView* list, int row)
    {
        pair.setCurrentWidget(list->parentWidget());
        QApplication::processEvents();  // lay out the tab just shown
        const QRect rect = list->visualRect(list->model()->index(row, 0));
        // A real double-click: press and release, then the second press arrives as a double-click.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, rect.center());
    }
    QPushButton* button(const char* name) { return pair.findChild<QPushButton*>(name); }
};

}  // namespace

TEST_F(NameListPairFixture, ListsAndButtonsCarryTheNamesTheirPageGave)
{
    EXPECT_EQ(pair.objectName(), "RzPageControl2");
    EXPECT_EQ(pair.tabText(0), "高分名字");
    EXPECT_EQ(pair.tabText(1), "已选名字");
    EXPECT_EQ(pair.findChild<QListView*>("ListBox1"), pair.resultList);
    EXPECT_EQ(pair.findChild<QListView*>("ListBox2"), pair.chosenList);
    const struct { const char* name; const char* caption; } buttons[] = {
        {"BtnFuzhi", "复制高分"}, {"RzBitBtn24", "添加到已选"}, {"RzBitBtn29", "复制已选"}, {"RzBitBtn30", "清空已选"}};
    for (const auto& b : buttons) {
        ASSERT_NE(button(b.name), nullptr) << b.name;
        EXPECT_EQ(button(b.name)->text(), QString::fromUtf8(b.caption));
    }
    for (QListView* list : {pair.resultList, pair.chosenList}) {
        EXPECT_TRUE(list->font().bold());
        EXPECT_EQ(list->font().pixelSize(), 14);
        EXPECT_EQ(list->font().family(), "宋体");
        EXPECT_EQ(list->palette().color(QPalette::Text), QColor(Qt::red));
        EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
    }
}

TEST_F(NameListPairFixture, AddingKeepsOneCopyOfALineAndNeedsASelection)
{
    QTest::mouseClick(button("RzBitBtn24"), Qt::LeftButton);  // empty result list
    pair.results().append({"王明华(85分)", "王立新(81分)"});
    QTest::mouseClick(button("RzBitBtn24"), Qt::LeftButton);  // nothing selected
    EXPECT_TRUE(pair.chosen().lines().isEmpty());

    select(pair.resultList, 0);
    QTest::mouseClick(button("RzBitBtn24"), Qt::LeftButton);
    QTest::mouseClick(button("RzBitBtn24"), Qt::LeftButton);
    select(pair.resultList, 1);
    QTest::mouseClick(button("RzBitBtn24"), Qt::LeftButton);
    EXPECT_EQ(pair.chosen().lines(), (QStringList{"王明华(85分)", "王立新(81分)"}));

    pair.results().append({"王子涵(90分)"});  // a search still adding lines keeps the selection
    QTest::mouseClick(button("RzBitBtn24"), Qt::LeftButton);
    EXPECT_EQ(pair.chosen().lines().size(), 2);
}

TEST_F(NameListPairFixture, ClearingEmptiesOnlyTheChosenList)
{
    pair.results().append({"王明华(85分)"});
    pair.chosen().append({"王明华(85分)"});
    QTest::mouseClick(button("RzBitBtn30"), Qt::LeftButton);
    EXPECT_TRUE(pair.chosen().lines().isEmpty());
    EXPECT_EQ(pair.results().lines(), QStringList{"王明华(85分)"});
}

TEST_F(NameListPairFixture, CopyingPutsOneNamePerLineOnTheClipboard)
{
    pair.results().append({"王明华(85分)", "王立新(81分)"});
    pair.chosen().append({"王立新(81分)"});
    QTest::mouseClick(button("BtnFuzhi"), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), "王明华(85分)\n王立新(81分)");
    QTest::mouseClick(button("RzBitBtn29"), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), "王立新(81分)");
}

TEST_F(NameListPairFixture, DoubleClickOpensTheClickedListsLineWithThePagesBirthInputs)
{
    pair.results().append({"王明华(85分)", "王立新(81分)"});
    pair.chosen().append({"王子涵(90分)"});
    select(pair.resultList, 1);
    doubleClick(pair.resultList, 0);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0].surname, "王");
    EXPECT_EQ(opened[0].given, "明华");
    EXPECT_EQ(opened[0].birth.sex, "女");
    EXPECT_TRUE(opened[0].birth.isLunar());
    EXPECT_EQ(opened[0].birth.year + "-" + opened[0].birth.month + "-" + opened[0].birth.day, "2024-5-17");
    EXPECT_EQ(opened[0].birth.hour + " " + opened[0].birth.minute, "午 12 30");

    doubleClick(pair.chosenList, 0);  // the chosen list's line, not the result list's selection
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[1].given, "子涵");

    surnameBox = "欧阳";  // changed after the search
    doubleClick(pair.resultList, 0);
    ASSERT_EQ(opened.size(), 3);
    EXPECT_EQ(opened[2].surname, "欧阳");
    EXPECT_EQ(opened[2].given, "华");
}

TEST_F(NameListPairFixture, DoubleClickOnAnEmptyListOrAnEmptyNameOpensNothing)
{
    doubleClick(pair.chosenList, 0);
    QTest::mouseDClick(pair.resultList->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    pair.openAnalysisOfName("  ");
    EXPECT_TRUE(opened.isEmpty());
    pair.openAnalysisOfName("欧阳明");
    surnameBox = "欧阳";
    pair.openAnalysisOfName("欧阳明");
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[1].given, "明");
}

TEST(NameListPairWindow, TheDoubleClickOpensTheModalAnalysisWindowFilledFromThePage)
{
    BuiltDbs dbs;
    NoticeRecorder recorder;
    BirthInfo birth;
    birth.sex = "女";
    birth.year = "2023";
    NameListPair pair({"RzPageControl3", "名字列表", "ListBox3", "已选名字", "ListBox4", {"RzBitBtn35", "复制名字"},
                       {"RzBitBtn36", "添加到已选"}, {"RzBitBtn37", "复制已选"}, {"RzBitBtn38", "清空已选"}},
                      [&] { return NameAnalysisInputs{"欧阳", birth}; });
    QStringList seen;
    pair.openAnalysisOfName("欧阳明");
    QPointer<TFrmNameMain> window = qobject_cast<TFrmNameMain*>(QApplication::activeModalWidget());
    ASSERT_FALSE(window.isNull());
    seen << window->NameA->text() << window->NameB->text() << window->Sex->currentText()
         << window->SYear->currentText();
    window->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }));  // deleted on closing
    EXPECT_EQ(seen, (QStringList{"欧阳", "明", "女", "2023"}));
    EXPECT_TRUE(recorder.notices.isEmpty()) << recorder.notices.join(' ').toStdString();
}
