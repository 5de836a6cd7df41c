#include "app/calendar/bazi_page.h"
#include "app/drag_strip.h"
#include "app/frm_index.h"
#include "app/naming/name_list_pair.h"
#include "app/naming/poem_page.h"
#include "app/naming/naming_page.h"
#include "app/numerology/name_page.h"
#include "tests/app/notice_recorder.h"
#include "data/text_file.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// A main window whose exit ends nothing but a flag, over a folder with no knowledge files.
struct MainWindowFixture : ::testing::Test {
    FixtureDbs dbs;
    TFrmIndex window;
    bool ended = false;

    MainWindowFixture()
    {
        window.endProcess = [this] { ended = true; };
        window.show();
    }

    void touchLockFiles()
    {
        for (const char* name : {"Velmora.ldb", "dream.ldb", "Tgcode.ldb", "KelBirth.ldb", "KelFile.ldb"}) {
            QFile f(QDir(dbs.dir()).filePath(name));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
    }
    QStringList remainingLockFiles() const
    {
        return QDir(dbs.dir()).entryList({"*.ldb"}, QDir::Files, QDir::Name);
    }
};

}  // namespace

TEST_F(MainWindowFixture, StartsBorderlessOnTheNamingPageWithoutAnyKnowledgeFile)
{
    EXPECT_TRUE(QDir(dbs.dir()).entryList({"*.dll"}).isEmpty());
    EXPECT_EQ(window.RzPageControl1->currentWidget(), window.TabSheet1);
    EXPECT_EQ(window.size(), QSize(799, 590));
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(window.RzPageControl1->tabBar()->isVisible());
    for (QTabWidget* inner : {static_cast<QTabWidget*>(window.namingPage->RzPageControl2),
                               static_cast<QTabWidget*>(window.poemPage->RzPageControl3),
                               static_cast<QTabWidget*>(window.poemPage->RzPageControl4)})
        EXPECT_EQ(inner->currentIndex(), 0) << inner->objectName().toStdString();
    EXPECT_EQ(window.namingState().ListPageSize, 500);
    EXPECT_FALSE(window.namingState().searching);
}

TEST_F(MainWindowFixture, EachToolbarButtonShowsItsPageAndCarriesItsHint)
{
    const struct { QToolButton* button; QWidget* page; const char* hint; } cases[] = {
        {window.RzToolButton1, window.TabSheet3, "姓名详细分析及评分"},
        {window.RzToolButton3, window.TabSheet2, "八字简易分析及取名建议"},
        {window.RzToolButton4, window.TabSheet4, "英文名字参考大全"},
        {window.RzToolButton5, window.TabSheet5, "自动根据出生日期时间取小名"},
        {window.RzToolButton6, window.TabSheet6, "根据诗词或成语或自己输入文字内容参与搭配起名"},
        {window.RzToolButton7, window.TabSheet10, "取名知识及方法参考"},
        {window.RzToolButton8, window.TabSheet9, "缘分测试、民俗预测及吉祥数字等功能"},
        {window.RzToolButton10, window.TabSheet8, "关于我们"},
        {window.RzToolButton2, window.TabSheet1, "宝宝取名：输入基本信息后自动取名"},
    };
    for (const auto& c : cases) {
        QTest::mouseClick(c.button, Qt::LeftButton);
        EXPECT_EQ(window.RzPageControl1->currentWidget(), c.page) << c.hint;
        EXPECT_EQ(c.button->toolTip(), QString::fromUtf8(c.hint));
        EXPECT_FALSE(window.RzPageControl1->tabBar()->isVisible());
    }
    EXPECT_EQ(window.RzToolButton11->toolTip(), "最小化");
    EXPECT_EQ(window.RzToolButton12->toolTip(), "关闭");
}

TEST_F(MainWindowFixture, FullExitDeletesTheFourLockFilesAndEndsAtOnce)
{
    touchLockFiles();
    QTest::mouseClick(window.RzToolButton12, Qt::LeftButton);
    EXPECT_TRUE(ended);
    EXPECT_EQ(remainingLockFiles(), QStringList{"KelFile.ldb"});
}

TEST_F(MainWindowFixture, CloseSoftwareDeletesOnlyVelmoraAndDreamLocks)
{
    touchLockFiles();
    window.namingState().searching = true;  // a running search does not hold the exit up
    QTest::mouseClick(window.namingPage->RzBitBtn4, Qt::LeftButton);
    EXPECT_TRUE(ended);
    EXPECT_EQ(remainingLockFiles(), (QStringList{"KelBirth.ldb", "KelFile.ldb", "Tgcode.ldb"}));
}

TEST_F(MainWindowFixture, ClosingThroughTheSystemLeavesTheLockFiles)
{
    touchLockFiles();
    window.close();
    EXPECT_FALSE(ended);
    EXPECT_EQ(remainingLockFiles().size(), 5);
}

TEST_F(MainWindowFixture, ExitWithoutLockFilesIsQuiet)
{
    QTest::mouseClick(window.RzToolButton12, Qt::LeftButton);
    EXPECT_TRUE(ended);
}

TEST_F(MainWindowFixture, DraggingTheTopStripMovesTheWindowAndTheBackgroundDoesNot)
{
    const QPoint start = window.pos();
    QTest::mousePress(window.Image4, Qt::LeftButton, {}, QPoint(300, 9));
    QMouseEvent move(QEvent::MouseMove, QPointF(340, 29), window.Image4->mapToGlobal(QPointF(340, 29)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.Image4, &move);
    QTest::mouseRelease(window.Image4, Qt::LeftButton, {}, QPoint(340, 29));
    EXPECT_EQ(window.pos(), start + QPoint(40, 20));

    const QPoint before = window.pos();
    QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(400, 575));
    QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(440, 585));
    EXPECT_EQ(window.pos(), before);
}

TEST_F(MainWindowFixture, BirthRowsOfferTheirItemsAndDefaults)
{
    const struct { const char* name; const char* current; int count; const char* last; } cases[] = {
        {"CBsex", "男", 2, "女"},    {"ComDate3", "公历", 2, "农历"}, {"SYear2", "1980", 201, "2100"},
        {"SMonth", "1", 12, "12"},   {"Xday", "1", 31, "31"},       {"Shour5", "子 0", 24, "子 23"},
        {"CBFen3", "0", 60, "59"},   {"Xyear", "1980", 201, "2100"}, {"CBDate5", "公历", 2, "农历"},
    };
    for (const auto& c : cases) {
        auto* box = window.findChild<QComboBox*>(c.name);
        ASSERT_NE(box, nullptr) << c.name;
        EXPECT_EQ(box->currentText(), QString::fromUtf8(c.current)) << c.name;
        EXPECT_EQ(box->count(), c.count) << c.name;
        EXPECT_EQ(box->itemText(box->count() - 1), QString::fromUtf8(c.last)) << c.name;
    }
    EXPECT_FALSE(window.findChild<QComboBox*>("CBsex")->isEditable());
    EXPECT_TRUE(window.findChild<QComboBox*>("Shour")->isEditable());
    EXPECT_EQ(window.findChild<QComboBox*>("Shour")->itemText(9), "巳 9");
    const BirthInfo info = readBirthInfo(window.namePage->birthRow3);
    EXPECT_EQ(info.hour, "子 0");
    EXPECT_FALSE(info.isLunar());
}

TEST_F(MainWindowFixture, ResultGridHasItsHeadingsWidthsAndOnePageOfRows)
{
    const QStringList headings = {"编号", "名称", "繁体字", "拼音", "五行", "笔画", "五格", "三才", "分数"};
    const int widths[] = {36, 61, 61, 130, 58, 73, 90, 56, 30};
    QTableWidget* grid = window.namingPage->RzStringGrid1;
    ASSERT_EQ(grid->columnCount(), 9);
    for (int c = 0; c < 9; ++c) {
        EXPECT_EQ(grid->horizontalHeaderItem(c)->text(), headings[c]);
        EXPECT_EQ(grid->columnWidth(c), widths[c]);
    }
    EXPECT_EQ(grid->rowCount(), 500);
    EXPECT_FALSE(grid->isVisible());
}

namespace {

// A shown main window over the real knowledge files, whose notices are recorded.
struct MainWindowPages : ::testing::Test {
    BuiltDbs dbs;
    NoticeRecorder recorder;
    QStringList& notices = recorder.notices;
    TFrmIndex window;

    MainWindowPages()
    {
        window.endProcess = [] {};
        window.show();
    }
};

}  // namespace

TEST_F(MainWindowPages, TheNameAnalysisPageWritesItsReportOrTellsWhatIsMissing)
{
    window.RzToolButton1Click();
    QTest::mouseClick(window.namePage->RzButton1, Qt::LeftButton);
    EXPECT_EQ(notices, QStringList{"提示:姓不能为空!"});
    EXPECT_TRUE(window.namePage->RzMemo1->toPlainText().isEmpty());

    window.namePage->birthRow3.surname->setText("欧阳");
    window.namePage->birthRow3.givenName->setText("明华");
    window.namePage->birthRow3.hour->setEditText("午 12");
    QTest::mouseClick(window.namePage->RzButton1, Qt::LeftButton);
    const QStringList lines = window.namePage->RzMemo1->toPlainText().split('\n');
    ASSERT_GT(lines.size(), 40);
    EXPECT_EQ(lines[6], "您出生公历：1980年01月01日12点0分");
    EXPECT_TRUE(lines[15].startsWith("拼音:欧(ōu)  阳(yáng)  明(míng)  华(huá)")) << lines[15].toStdString();
}

TEST_F(MainWindowPages, TheBaziPageShowsWholeReportsAndSavesThem)
{
    window.RzToolButton3Click();
    window.baziPage->birthRow2.year->setEditText("1984");
    window.baziPage->birthRow2.month->setEditText("2");
    window.baziPage->birthRow2.day->setEditText("4");
    window.baziPage->birthRow2.hour->setEditText("午 12");
    QTest::mouseClick(window.baziPage->RzButton2, Qt::LeftButton);
    const QString report = window.baziPage->Memo1->toPlainText();
    EXPECT_TRUE(report.contains("八字：癸亥   乙丑   戊辰   戊午")) << report.toStdString();

    window.baziPage->birthRow2.hour->setEditText("");
    QTest::mouseClick(window.baziPage->RzButton2, Qt::LeftButton);
    EXPECT_EQ(notices, QStringList{"提示:请选择出生小时!"});
    EXPECT_EQ(window.baziPage->Memo1->toPlainText(), report);

    QTemporaryDir dir;
    window.baziPage->birthRow2.surname->setText("张");
    window.baziPage->birthRow2.givenName->setText("三");
    window.baziPage->askSavePath = [&](QWidget*, const QString& name) { return QDir(dir.path()).filePath(name); };
    QTest::mouseClick(window.baziPage->RzBitBtn8, Qt::LeftButton);
    QFile saved(QDir(dir.path()).filePath("张三.txt"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(decodeGb18030(saved.readAll()), report.split('\n').join("\r\n") + "\r\n");
}
