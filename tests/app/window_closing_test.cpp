// Every window a user can open from the main window, opened by clicking what the user clicks and
// closed every way the user can: its visible close button, Escape, the window's close() and the
// window system's close request. Each window must be deleted on closing (the leak check of the
// sanitizer builds sees any that is not), leave no modal state behind, and open again.
#include "app/frm_index.h"
#include "app/frm_name_main.h"
#include "app/naming/name_list_model.h"
#include "app/naming/name_list_pair.h"
#include "app/naming/naming_page.h"
#include "app/naming/nickname_page.h"
#include "app/reference/omen_window.h"
#include "app/tools/tools_page.h"
#include "app/window_opening.h"
#include "tests/app/notice_recorder.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QToolButton>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>

namespace {

enum class CloseWay { Button, Escape, WidgetClose, WindowSystem };

const char* nameOf(CloseWay way)
{
    switch (way) {
    case CloseWay::Button: return "its close button";
    case CloseWay::Escape: return "Escape";
    case CloseWay::WidgetClose: return "close()";
    case CloseWay::WindowSystem: return "the window system's close request";
    }
    return "";
}

struct MainWindowOpenings : ::testing::Test {
    BuiltDbs dbs;
    NoticeRecorder notices;
    TFrmIndex main;

    MainWindowOpenings()
    {
        main.endProcess = [] { ADD_FAILURE() << "the program tried to end"; };
        main.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&main));
    }
    ~MainWindowOpenings() override
    {
        EXPECT_TRUE(notices.notices.isEmpty()) << notices.notices.join(' ').toStdString();
    }

    void clickTool(QToolButton* button)
    {
        QTest::mouseClick(main.RzToolButton8, Qt::LeftButton);  // 民俗工具
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // A result line on the baby-naming page, double-clicked as the user does.
    void doubleClickAResult()
    {
        QTest::mouseClick(main.RzToolButton2, Qt::LeftButton);  // 宝宝取名
        main.namingPage->Xing->setText(QStringLiteral("王"));
        NameListPair* pair = main.namingPage->RzPageControl2;
        if (pair->results().lines().isEmpty()) pair->results().append({QStringLiteral("王明华(85分)")});
        pair->setCurrentIndex(0);
        QApplication::processEvents();
        const QRect rect = pair->resultList->visualRect(pair->results().index(0, 0));
        QTest::mouseClick(pair->resultList->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(pair->resultList->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseRelease(pair->resultList->viewport(), Qt::LeftButton, {}, rect.center());
    }
};

struct Opening {
    const char* what;
    const char* className;
    std::function<void(MainWindowOpenings&)> open;
};

template <QToolButton* ToolsPage::*Button>
std::function<void(MainWindowOpenings&)> toolButton()
{
    return [](MainWindowOpenings& f) { f.clickTool(f.main.toolsPage->*Button); };
}

const Opening kOpenings[] = {
    {"缘分测试", "Tfrmlove", toolButton<&ToolsPage::RzToolButton19>()},
    {"打喷嚏", "TFormOnther", toolButton<&ToolsPage::RzToolButton25>()},
    {"面热", "TFormOnther", toolButton<&ToolsPage::RzToolButton26>()},
    {"心惊", "TFormOnther", toolButton<&ToolsPage::RzToolButton27>()},
    {"犬吠", "TFormOnther", toolButton<&ToolsPage::RzToolButton28>()},
    {"眼跳", "TFormOnther", toolButton<&ToolsPage::RzToolButton29>()},
    {"耳热", "TFormOnther", toolButton<&ToolsPage::RzToolButton30>()},
    {"耳鸣", "TFormOnther", toolButton<&ToolsPage::RzToolButton24>()},
    {"五行查询", "TFrmWuxing", toolButton<&ToolsPage::RzToolButton31>()},
    {"手机号码", "TFrm_SJcs", toolButton<&ToolsPage::RzToolButton32>()},
    {"QQ号码", "TFrmQQhm", toolButton<&ToolsPage::RzToolButton33>()},
    {"任意号码", "TFrm_onther", toolButton<&ToolsPage::RzToolButton34>()},
    {"网名性格", "TFrmWangming", toolButton<&ToolsPage::RzToolButton35>()},
    {"日历", "TFRM_Date", toolButton<&ToolsPage::RzToolButton36>()},
    {"黄道吉日", "TFormHuangdao", toolButton<&ToolsPage::RzToolButton13>()},
    {"起名服务", "TFrm_servers", toolButton<&ToolsPage::RzToolButton37>()},
    {"常见小名", "TFrmNote",
     [](MainWindowOpenings& f) {
         QTest::mouseClick(f.main.RzToolButton5, Qt::LeftButton);  // 宝宝小名
         QTest::mouseClick(f.main.nicknamePage->RzButton5, Qt::LeftButton);
     }},
    {"姓名分析", "TFrmNameMain", [](MainWindowOpenings& f) { f.doubleClickAResult(); }},
};

// The visible top-level windows of the program, the main window aside.
QSet<QWidget*> openWindows(const QWidget* main)
{
    QSet<QWidget*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != main && w->isVisible()) found.insert(w);
    return found;
}

// Opens through the opening's clicks and returns the one window that appeared.
QWidget* openOne(MainWindowOpenings& f, const Opening& o)
{
    const QSet<QWidget*> before = openWindows(&f.main);
    o.open(f);
    const QSet<QWidget*> appeared = openWindows(&f.main) - before;
    if (appeared.size() != 1) {
        ADD_FAILURE() << o.what << ": " << appeared.size() << " windows appeared";
        return nullptr;
    }
    QWidget* window = *appeared.begin();
    EXPECT_EQ(QString::fromLatin1(window->metaObject()->className()), o.className) << o.what;
    return window;
}

// The button a user would take for the way out: visible, captioned 关闭 (退出 in the name window).
QPushButton* visibleCloseButton(QWidget* window)
{
    for (QPushButton* b : window->findChildren<QPushButton*>())
        if (b->isVisible() && (b->text() == QStringLiteral("关闭") || b->text() == QStringLiteral("退出"))) return b;
    return nullptr;
}

void closeBy(CloseWay way, QWidget* window)
{
    switch (way) {
    case CloseWay::Button:
        if (QPushButton* b = visibleCloseButton(window)) QTest::mouseClick(b, Qt::LeftButton);
        else ADD_FAILURE() << "no visible close button";
        return;
    case CloseWay::Escape: {
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        QWidget* target = QApplication::focusWidget();
        if (!target || target->window() != window) target = window;
        QTest::keyClick(target, Qt::Key_Escape);
        return;
    }
    case CloseWay::WidgetClose: window->close(); return;
    case CloseWay::WindowSystem: window->windowHandle()->close(); return;
    }
}

}  // namespace

TEST_F(MainWindowOpenings, EveryWindowClosesEveryWayAndOpensAgain)
{
    for (const CloseWay way : {CloseWay::Button, CloseWay::Escape, CloseWay::WidgetClose, CloseWay::WindowSystem}) {
        for (const Opening& o : kOpenings) {
            const std::string where = std::string(o.what) + " closed by " + nameOf(way);
            QPointer<QWidget> window = openOne(*this, o);
            ASSERT_FALSE(window.isNull()) << where;
            EXPECT_TRUE(window->testAttribute(Qt::WA_DeleteOnClose)) << where;
            closeBy(way, window);
            EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); })) << where << ": not deleted";
            EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << where;
            EXPECT_TRUE(main.isVisible()) << where;

            QPointer<QWidget> again = openOne(*this, o);  // the next opening works
            ASSERT_FALSE(again.isNull()) << where << ": did not open again";
            again->close();
            EXPECT_TRUE(QTest::qWaitFor([&] { return again.isNull(); })) << where;
        }
    }
}

TEST_F(MainWindowOpenings, ToolWindowsAreModalAndNotesAndOmensAreNot)
{
    for (const Opening& o : kOpenings) {
        QPointer<QWidget> window = openOne(*this, o);
        ASSERT_FALSE(window.isNull()) << o.what;
        const bool modeless = QByteArray(o.className) == "TFormOnther" || QByteArray(o.className) == "TFrmNote";
        EXPECT_EQ(window->windowModality(), modeless ? Qt::NonModal : Qt::ApplicationModal) << o.what;
        EXPECT_EQ(window->parentWidget(), &main) << o.what << ": lives no longer than the main window";
        window->close();
        QTest::qWaitFor([&] { return window.isNull(); });
    }
}

TEST_F(MainWindowOpenings, OmenWindowsOpenedOneAfterAnotherCascade)
{
    QList<QWidget*> windows;
    for (QToolButton* b : {main.toolsPage->RzToolButton25, main.toolsPage->RzToolButton26, main.toolsPage->RzToolButton27}) {
        clickTool(b);
        windows << *(openWindows(&main) - QSet<QWidget*>(windows.begin(), windows.end())).begin();
    }
    const QRect area = main.screen()->availableGeometry();
    for (int i = 0; i < windows.size(); ++i) {
        EXPECT_TRUE(area.contains(windows[i]->frameGeometry())) << i;
        if (i > 0) EXPECT_EQ(windows[i]->pos() - windows[i - 1]->pos(), QPoint(28, 28)) << i;
    }
    // Closing one frees its place for the next.
    windows.takeLast()->close();
    clickTool(main.toolsPage->RzToolButton28);
    QWidget* next = *(openWindows(&main) - QSet<QWidget*>(windows.begin(), windows.end())).begin();
    EXPECT_EQ(next->pos() - windows[1]->pos(), QPoint(28, 28));
    for (QWidget* w : openWindows(&main)) w->close();
}

TEST(WindowCascade, StepsFromTheCentreAndStaysInsideTheArea)
{
    const QRect area(0, 0, 1000, 800);
    const QSize size(400, 300);
    const struct { int openBefore; QPoint want; const char* why; } cases[] = {
        {0, {300, 250}, "the first is centred"},
        {1, {328, 278}, "one step down and right"},
        {8, {524, 474}, "still inside: 524 + 400 ≤ 1000, 474 + 300 ≤ 800"},
        {9, {300, 250}, "the tenth would leave the area: back to the centre"},
        {10, {328, 278}, "and on again"},
    };
    for (const auto& c : cases) EXPECT_EQ(cascadedTopLeft(area, size, c.openBefore), c.want) << c.why;
    // A window larger than the area starts at its top left and never steps out of it.
    EXPECT_EQ(cascadedTopLeft(QRect(10, 20, 300, 200), QSize(400, 300), 3), QPoint(10, 20));
}
