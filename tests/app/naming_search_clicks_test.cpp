// The naming page's search as a person drives it: the buttons clicked with the mouse, the real worker
// and the real event loop, in the order that once left 马上起名 dead and in random orders, which must
// always end with a search that starts and runs to its end. Also what the page shows while it runs.
#include "app/frm_index.h"
#include "app/naming/name_list_model.h"
#include "app/naming/name_list_pair.h"
#include "app/naming/naming_page.h"
#include "app/naming/poem_page.h"
#include "app/naming/tmythread.h"
#include "naming/classic_search.h"
#include "naming/search_progress.h"
#include "tests/app/notice_recorder.h"
#include "tests/app/typing.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct NamingSearchClicks : ::testing::Test {
    BuiltDbs dbs;
    NoticeRecorder recorder;
    TFrmIndex window;
    NamingPage& page = *window.namingPage;
    PoemPage& poem = *window.poemPage;
    QSignalSpy ended{&page, &NamingPage::searchEnded};

    NamingSearchClicks()
    {
        window.endProcess = [] {};
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        typeChinese(page.Xing, "王");
        QTest::keyClick(page.Xing, Qt::Key_Tab);  // leaving the box builds the plans
        poem.Xing5->setText("王");
        poem.MemoYixuan->setPlainText("明月照华堂，春来发几枝。\n天地玄黄，宇宙洪荒。");
    }

    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    // Waits, with the event loop running, until no search runs any more.
    bool waitUntilIdle() { return QTest::qWaitFor([this] { return !page.searchRunning(); }, 120000); }

    // From idle: the classic mode's start must run a search to its end and place all its names.
    void expectASearchThatStartsAndEnds(const char* context)
    {
        ASSERT_FALSE(page.searchRunning()) << context;
        click(page.RzRadioButton6);
        const qsizetype endedBefore = ended.size();
        click(page.RzBitBtn5);
        ASSERT_TRUE(page.searchRunning()) << context << ": 马上起名 started nothing";
        ASSERT_TRUE(QTest::qWaitFor([&] { return ended.size() > endedBefore; }, 120000)) << context;
        ASSERT_TRUE(waitUntilIdle()) << context;
        EXPECT_TRUE(page.searchStatus->text().startsWith("已找到 ")) << context << ": "
                                                                   << page.searchStatus->text().toStdString();
        EXPECT_FALSE(page.MemoSuccess->toPlainText().isEmpty()) << context;
    }
};

}  // namespace

// Three quick starts, the list mode with its start and next page, then the classic mode again:
// the list search held this thread while the classic worker finished, so the worker's end came
// while its lines were still being placed, and the next start waited for an end that never came.
TEST_F(NamingSearchClicks, TheClassicSearchStartsAgainAfterTheListModeTookOver)
{
    click(page.RzBitBtn5);
    click(page.RzBitBtn5);
    click(page.RzBitBtn5);
    ASSERT_TRUE(ended.wait(60000)) << "the first search stops";
    ASSERT_TRUE(page.searchRunning()) << "the last start follows it";
    TMythread* second = page.worker();

    click(page.RzRadioButton7);
    click(page.RzBitBtn5);
    // However long the list search took, the classic worker is done by now: its last batches and
    // its end wait in the event queue together.
    while (!second->isFinished()) QThread::msleep(2);
    EXPECT_EQ(page.RzBitBtn2->text(), "继续显示");
    ASSERT_TRUE(page.RzBitBtn2->isEnabled());
    const QString firstRow = page.RzStringGrid1->item(0, 1)->text();
    click(page.RzBitBtn2);
    QCoreApplication::processEvents();  // the worker's last lines and its end arrive
    click(page.RzRadioButton6);
    const qsizetype endedBefore = ended.size();
    click(page.RzBitBtn5);
    ASSERT_TRUE(page.searchRunning());
    ASSERT_TRUE(QTest::qWaitFor([&] { return ended.size() > endedBefore && page.worker() != second; }, 30000))
        << "马上起名 waited for an end that never came";
    ASSERT_TRUE(waitUntilIdle());
    expectASearchThatStartsAndEnds("after the list mode");
    EXPECT_NE(page.RzStringGrid1->item(0, 1)->text(), firstRow) << "继续显示 showed the next page";
    EXPECT_TRUE(recorder.notices.isEmpty()) << recorder.notices.join(' ').toStdString();
}

// Random orders of everything a person can click around the search, with the event loop running
// for a random while between clicks and at times held up as by a long list search.
TEST_F(NamingSearchClicks, RandomClicksAlwaysEndWithASearchThatStarts)
{
    page.CBCode->setCurrentIndex(1);  // one stroke plan: each search ends within moments
    const struct { const char* what; QAbstractButton* button; } clicks[] = {
        {"马上起名", page.RzBitBtn5},   {"停止起名/继续显示", page.RzBitBtn2}, {"经典模式", page.RzRadioButton6},
        {"列表模式", page.RzRadioButton7}, {"成语模式", page.RzRadioButton9},   {"诗词 马上起名", poem.RzBitBtn33},
        {"诗词 停止起名", poem.RzBitBtn31}, {"马上起名", page.RzBitBtn5},
    };
    constexpr int kClickCount = std::size(clicks);
    for (quint32 seed = 1; seed <= 8; ++seed) {
        QRandomGenerator random(seed);
        std::string done;
        for (int n = 0; n < 24; ++n) {
            const auto& c = clicks[random.bounded(kClickCount)];
            done += std::string(c.what) + " ";
            if (c.button->window() == &window && !c.button->isVisible()) continue;
            // The poem page's buttons are clicked on its own page, as a person must.
            if (c.button->parentWidget() && poem.isAncestorOf(c.button)) window.RzPageControl1->setCurrentWidget(&poem);
            else window.RzPageControl1->setCurrentWidget(&page);
            click(c.button);
            switch (random.bounded(3)) {
            case 0: break;
            case 1: QTest::qWait(int(random.bounded(30))); break;
            case 2: QThread::msleep(random.bounded(300)); break;  // this thread busy; the worker runs on
            }
        }
        window.RzPageControl1->setCurrentWidget(&page);
        click(page.RzRadioButton6);
        ASSERT_TRUE(waitUntilIdle()) << "seed " << seed << ": " << done;
        expectASearchThatStartsAndEnds(("seed " + std::to_string(seed) + ": " + done).c_str());
        if (HasFatalFailure()) return;
    }
}

TEST_F(NamingSearchClicks, ThePoemPagesStopLeavesTheNamingPageAlone)
{
    // In a list mode the naming page's own button pages the grid; the poem page's must not.
    click(page.RzRadioButton7);
    click(page.RzBitBtn5);
    ASSERT_NE(page.RzStringGrid1->item(0, 1), nullptr);
    const QString shown = page.RzStringGrid1->item(0, 1)->text();
    const QStringList picked = page.RzPageControl2->results().lines();
    window.RzPageControl1->setCurrentWidget(&poem);
    click(poem.RzBitBtn33);
    ASSERT_TRUE(poem.searchRunning());
    click(poem.RzBitBtn31);
    EXPECT_FALSE(poem.searchRunning());
    EXPECT_EQ(page.RzStringGrid1->item(0, 1)->text(), shown);
    EXPECT_EQ(page.RzPageControl2->results().lines(), picked);

    // A classic search goes on through the poem page's start and stop.
    window.RzPageControl1->setCurrentWidget(&page);
    click(page.RzRadioButton6);
    click(page.RzBitBtn5);
    window.RzPageControl1->setCurrentWidget(&poem);
    click(poem.RzBitBtn33);
    click(poem.RzBitBtn31);
    EXPECT_TRUE(page.searchRunning());
    EXPECT_TRUE(window.namingState().searching);
    ASSERT_TRUE(ended.wait(120000));
    EXPECT_TRUE(page.searchStatus->text().startsWith("已找到 ")) << "ran to its end, not stopped: "
                                                               << page.searchStatus->text().toStdString();
}

TEST_F(NamingSearchClicks, ThePageShowsTheSearchRunningItsCountAndWhatWasCopied)
{
    page.CBCode->setCurrentIndex(1);
    ClassicSearchOptions o;
    o.surname = "王";
    o.planChoice = page.CBCode->currentText();
    for (int i = 1; i < page.CBCode->count(); ++i) o.plans << page.CBCode->itemText(i);
    qsizetype expected = 0;
    const std::atomic_bool searching{true};
    RunClassicSearch(o, searching, [&](const QString&) { ++expected; });
    ASSERT_GT(expected, 0);

    click(page.RzBitBtn5);
    EXPECT_EQ(page.searchStatus->text(), foundNamesText(0, SearchProgress::Running));
    ASSERT_TRUE(ended.wait(60000));
    EXPECT_EQ(page.searchStatus->text(), foundNamesText(expected, SearchProgress::Ended));

    click(page.BtnFuzhi);
    const qsizetype copied = page.RzPageControl2->results().lines().size();
    ASSERT_GT(copied, 0);
    EXPECT_EQ(QApplication::clipboard()->text().split('\n').size(), copied);
    EXPECT_EQ(page.searchStatus->text(), copiedNamesText(copied));

    // Stopped half way: the status says so, with the count placed until then.
    page.CBCode->setCurrentIndex(0);
    click(page.RzBitBtn5);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return page.searchStatus->text() != foundNamesText(0, SearchProgress::Running); }, 60000));
    EXPECT_TRUE(page.searchStatus->text().startsWith("正在起名… 已找到 ")) << page.searchStatus->text().toStdString();
    click(page.RzBitBtn2);
    ASSERT_TRUE(ended.wait(60000));
    EXPECT_TRUE(page.searchStatus->text().startsWith("已停止，已找到 ")) << page.searchStatus->text().toStdString();

    // Enter in the surname box starts the search, with the plans of the surname just typed.
    page.Xing->clear();
    typeChinese(page.Xing, "李");
    QTest::keyClick(page.Xing, Qt::Key_Return);
    EXPECT_TRUE(page.searchRunning());
    EXPECT_EQ(page.worker()->isRunning() || page.worker()->isFinished(), true);
    EXPECT_TRUE(page.CBCode->itemText(1).startsWith("7|")) << page.CBCode->itemText(1).toStdString();
    ASSERT_TRUE(ended.wait(120000));
    EXPECT_TRUE(page.MemoSuccess->toPlainText().startsWith("李")) << page.MemoSuccess->toPlainText().left(20).toStdString();

    // A list mode that takes over from a running classic search keeps its own count on show, however
    // late the classic search's end arrives.
    page.CBCode->setCurrentIndex(0);
    click(page.RzBitBtn5);
    click(page.RzRadioButton7);
    click(page.RzBitBtn5);
    const QString listCount = page.searchStatus->text();
    EXPECT_TRUE(listCount.startsWith("已找到 ")) << listCount.toStdString();
    ASSERT_TRUE(waitUntilIdle());
    EXPECT_EQ(page.searchStatus->text(), listCount);
    EXPECT_TRUE(recorder.notices.isEmpty()) << recorder.notices.join(' ').toStdString();
}
