// One shortlist behind both naming pages' 已选名字 lists and the name analysis window, kept in a
// file and compared in the compare window; every step through the buttons a parent uses.
#include "app/frm_index.h"
#include "app/frm_name_main.h"
#include "app/naming/compare_window.h"
#include "app/naming/name_list_model.h"
#include "app/naming/name_list_pair.h"
#include "app/naming/naming_page.h"
#include "app/naming/poem_page.h"
#include "tests/app/notice_recorder.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct ShortlistPagesTest : ::testing::Test {
    BuiltDbs dbs;
    NoticeRecorder notices;
    TFrmIndex window;
    NameListPair* naming = nullptr;
    NameListPair* poem = nullptr;

    ShortlistPagesTest()
    {
        window.endProcess = [] {};
        window.show();
        naming = window.namingPage->RzPageControl2;
        poem = window.poemPage->RzPageControl3;
        window.namingPage->Xing->setText("王");
        window.poemPage->Xing5->setText("王");
        window.poemPage->MemoYixuan->setPlainText("关关雎鸠，在河之洲。\n窈窕淑女，君子好逑。");
    }

    // Selects a result line on a page and presses its 添加到已选.
    void addFromResults(QWidget* page, NameListPair* pair, const QString& line)
    {
        window.showPage(page);
        pair->setCurrentIndex(0);
        pair->results().append({line});
        const int row = int(pair->results().lines().indexOf(line));
        pair->resultList->setCurrentIndex(pair->results().index(row, 0));
        QTest::mouseClick(pair->addToChosenButton, Qt::LeftButton);
    }
    void selectChosen(NameListPair* pair, int row)
    {
        pair->setCurrentIndex(1);
        pair->chosenList->setCurrentIndex(pair->chosen().index(row, 0));
    }
};

}  // namespace

TEST_F(ShortlistPagesTest, AddingOnOnePageShowsOnTheOtherAndRemovingWorksOnBoth)
{
    addFromResults(window.TabSheet1, naming, "王明华(85分)");
    EXPECT_EQ(poem->chosen().lines(), QStringList{"王明华(85分)"}) << "added on the naming page, seen on the poem page";
    addFromResults(window.TabSheet6, poem, "王关雎(86分)");
    addFromResults(window.TabSheet6, poem, "王好逑(80分)");
    addFromResults(window.TabSheet1, naming, "王关雎(88分)");  // the same name from another line is refused
    EXPECT_EQ(naming->chosen().lines(), (QStringList{"王明华(85分)", "王关雎(86分)", "王好逑(80分)"}));
    EXPECT_EQ(window.namingState().shortlist.names()[1].source, "关关雎鸠，在河之洲。") << "a poem name keeps its line";
    EXPECT_TRUE(window.namingState().shortlist.names()[0].source.isEmpty());

    window.showPage(window.TabSheet6);
    selectChosen(poem, 0);
    QTest::mouseClick(poem->removeChosenButton, Qt::LeftButton);
    EXPECT_EQ(naming->chosen().lines(), (QStringList{"王关雎(86分)", "王好逑(80分)"})) << "移除 on the poem page";

    window.showPage(window.TabSheet1);
    selectChosen(naming, 1);
    QTest::keyClick(naming->chosenList, Qt::Key_Delete);
    EXPECT_EQ(poem->chosen().lines(), QStringList{"王关雎(86分)"}) << "the Delete key on the naming page";

    QTest::mouseClick(poem->clearChosenButton, Qt::LeftButton);
    EXPECT_TRUE(naming->chosen().lines().isEmpty());
    EXPECT_EQ(naming->results().lines(), (QStringList{"王明华(85分)", "王关雎(88分)"})) << "results stay";
}

TEST_F(ShortlistPagesTest, TheShortlistSurvivesClosingThroughItsFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("我们的名字.txt");
    addFromResults(window.TabSheet1, naming, "王明华(85分)");
    addFromResults(window.TabSheet6, poem, "王关雎(86分)");
    naming->askSavePath = [&](QWidget*, const QString& caption, const QString& proposed, const QString&) {
        EXPECT_EQ(caption + ":" + proposed, "保存已选:已选名字.txt");
        return dir.filePath("我们的名字");  // the suffix is added
    };
    QTest::mouseClick(naming->saveChosenButton, Qt::LeftButton);
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_TRUE(notices.notices.isEmpty()) << notices.notices.join(' ').toStdString();

    // A new main window, as after restarting the program, opens the file from the poem page.
    TFrmIndex again;
    again.endProcess = [] {};
    again.show();
    NameListPair* reopened = again.poemPage->RzPageControl3;
    again.poemPage->Xing5->setText("王");
    reopened->askOpenPath = [&](QWidget*, const QString& caption, const QString&, const QString&) {
        EXPECT_EQ(caption, "打开已选");
        return path;
    };
    QTest::mouseClick(reopened->openChosenButton, Qt::LeftButton);
    EXPECT_EQ(notices.notices, QStringList{"提示:已读入 2 个名字。"});
    const auto& names = again.namingState().shortlist.names();
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0].surname + "|" + names[0].givenName, "王|明华");
    EXPECT_EQ(names[1].source, "关关雎鸠，在河之洲。");
    const QString score = again.namingPage->RzPageControl2->chosen().lines().value(0);
    EXPECT_TRUE(score.startsWith("王明华(") && score.endsWith("分)")) << "the naming page shows it with its score: "
                                                                      << score.toStdString();

    QTest::mouseClick(reopened->openChosenButton, Qt::LeftButton);  // the same file again adds nothing
    EXPECT_EQ(notices.notices.value(1), "提示:已读入 2 个名字，其中 2 个已在已选名字中。");
    EXPECT_EQ(names.size(), 2u);
}

TEST_F(ShortlistPagesTest, CompareOpensTheShortlistWithThePagesBirthRowAndCloses)
{
    QTest::mouseClick(naming->compareChosenButton, Qt::LeftButton);
    EXPECT_EQ(notices.notices, QStringList{"提示:请先把要比较的名字添加到已选"});

    addFromResults(window.TabSheet1, naming, "王明华(85分)");
    addFromResults(window.TabSheet1, naming, "王子涵(90分)");
    QTest::mouseClick(naming->compareChosenButton, Qt::LeftButton);
    QPointer<CompareWindow> compare = qobject_cast<CompareWindow*>(QApplication::activeModalWidget());
    ASSERT_FALSE(compare.isNull());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(compare));
    const auto& rows = compare->comparison().table.rows;
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].surname + rows[1].givenName, "王子涵");
    EXPECT_TRUE(compare->comparison().table.hasChart) << "the 补缺 column from the page's birth row";
    EXPECT_EQ(compare->table->model()->rowCount(), 2);
    QTest::mouseClick(compare->closeButton, Qt::LeftButton);
    QTRY_VERIFY(compare.isNull());
}

TEST_F(ShortlistPagesTest, TheAnalysisWindowAddsItsNameToTheShortlist)
{
    window.showPage(window.TabSheet1);
    naming->results().append({"王明华(85分)"});
    const QRect rect = naming->resultList->visualRect(naming->results().index(0, 0));
    QTest::mouseClick(naming->resultList->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(naming->resultList->viewport(), Qt::LeftButton, {}, rect.center());
    QPointer<TFrmNameMain> analysis = qobject_cast<TFrmNameMain*>(QApplication::activeModalWidget());
    ASSERT_FALSE(analysis.isNull());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(analysis));
    EXPECT_TRUE(analysis->addToShortlistButton->isVisible());
    QTest::mouseClick(analysis->addToShortlistButton, Qt::LeftButton);
    QTest::mouseClick(analysis->addToShortlistButton, Qt::LeftButton);
    QTest::mouseClick(analysis->RzBitBtn4, Qt::LeftButton);
    QTRY_VERIFY(analysis.isNull());
    ASSERT_EQ(poem->chosen().lines().size(), 1);
    EXPECT_TRUE(poem->chosen().lines()[0].startsWith("王明华(")) << poem->chosen().lines()[0].toStdString();
    EXPECT_EQ(notices.notices, (QStringList{"提示:已把 王明华 加入已选名字", "提示:王明华 已在已选名字中"}));

    TFrmNameMain standalone;  // opened from the tools page: no shortlist, no button
    standalone.show();
    EXPECT_FALSE(standalone.addToShortlistButton->isVisible());
}
