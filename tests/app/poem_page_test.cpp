// The poem naming page: the browser over a small poem library, the selection box, the copy guard of
// the poem text, and a naming start with its messages, its list and the source of a name.
#include "app/frm_index.h"
#include "app/naming/name_list_model.h"
#include "app/naming/name_list_pair.h"
#include "app/naming/poem_page.h"
#include "tests/app/notice_recorder.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

QString str(const char* utf8) { return QString::fromUtf8(utf8); }

const char* const kPoems =
    "insert into sg (d_num, cd_num, d_dynasty, au_num, d_author, d_title, d_nr) values "
    "(1, 1, '先秦', 1, '诗经·国风', '关雎（周南）', '关关雎鸠，在河之洲。\n窈窕淑女，君子好逑。'),"
    "(2, 1, '先秦', 1, '诗经·国风', '桃夭（周南）', '桃之夭夭，灼灼其华。\n之子于归，宜其室家。'),"
    "(3, 6, '唐', 3, '王之涣', '登鹳雀楼', '白日依山尽，黄河入海流。\n欲穷千里目，更上一层楼。'),"
    "(4, 6, '唐', 4, '王维', '相思', '红豆生南国，春来发几枝。');";

const char* const kWords =
    "insert into word (zi, bh, wuhang, nan, nv, xb, Aflag) values "
    "('王', 4, '土', 1, 1, '1', null), ('明', 8, '火', 1, 1, '1', null), ('华', 6, '水', 1, 1, '1', null);"
    "insert into zh (lx, bh11, bh12, bh21, bh22, zf, jxjx) values (12, 4, 0, 8, 6, 80, 1), (12, 4, 0, 6, 8, 70, 1);";

struct PoemPageFixture : ::testing::Test {
    FixtureDbs dbs;
    NamingState state;
    int backToNaming = 0;
    PoemPage page{state, [this] { ++backToNaming; }};
    NoticeRecorder recorder;

    PoemPageFixture()
    {
        dbs.exec(Db::KelBirth, str(kPoems));
        page.resize(800, 480);
        page.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&page));
    }

    QStringList topLevel() const
    {
        QStringList captions;
        for (int i = 0; i < page.TreeViewInit->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* d = page.TreeViewInit->topLevelItem(i);
            QStringList authors;
            for (int j = 0; j < d->childCount(); ++j) authors << d->child(j)->text(0);
            captions << d->text(0) + ":" + authors.join(',');
        }
        return captions;
    }
    QStringList poemList() const
    {
        QStringList titles;
        for (int i = 0; i < page.RzTreeView1->topLevelItemCount(); ++i) titles << page.RzTreeView1->topLevelItem(i)->text(0);
        return titles;
    }
    void clickNode(QTreeWidget* tree, QTreeWidgetItem* item)
    {
        tree->scrollToItem(item);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
    }
    void clickAuthor(int dynasty, int author) { clickNode(page.TreeViewInit, page.TreeViewInit->topLevelItem(dynasty)->child(author)); }
    void clickPoem(int row) { clickNode(page.RzTreeView1, page.RzTreeView1->topLevelItem(row)); }
};

}  // namespace

TEST_F(PoemPageFixture, BrowsingSearchingAndShowingAllAgain)
{
    page.RzBitBtn42Click();
    EXPECT_EQ(topLevel(), (QStringList{str("先秦:诗经·国风"), str("唐:王之涣,王维")}));

    // A blank search changes nothing; a word found in one poem's text keeps its dynasty and author.
    page.EditTiaojian->setText("  ");
    QTest::mouseClick(page.RzBitBtn41, Qt::LeftButton);
    EXPECT_EQ(topLevel().size(), 2);
    page.EditTiaojian->setText(str("黄河"));
    QTest::mouseClick(page.RzBitBtn41, Qt::LeftButton);
    EXPECT_EQ(topLevel(), QStringList{str("唐:王之涣")});
    clickAuthor(0, 0);
    EXPECT_EQ(poemList(), QStringList{str("登鹳雀楼")});

    // "显示所有" empties the search box, so the author's whole list shows again.
    QTest::mouseClick(page.RzBitBtn42, Qt::LeftButton);
    EXPECT_TRUE(page.EditTiaojian->text().isEmpty());
    EXPECT_TRUE(poemList().isEmpty()) << "building the tree empties the poem list";
    clickAuthor(0, 0);
    EXPECT_EQ(poemList(), (QStringList{str("关雎（周南）"), str("桃夭（周南）")}));
    clickPoem(1);
    EXPECT_EQ(page.MemoSgnr->toPlainText(), str("桃之夭夭，灼灼其华。\n之子于归，宜其室家。"));

    // A dynasty node lists nothing and empties the poem text.
    clickNode(page.TreeViewInit, page.TreeViewInit->topLevelItem(1));
    EXPECT_TRUE(poemList().isEmpty());
    EXPECT_TRUE(page.MemoSgnr->toPlainText().isEmpty());
    EXPECT_TRUE(page.TreeViewInit->topLevelItem(1)->isExpanded());
    EXPECT_FALSE(page.TreeViewInit->topLevelItem(0)->isExpanded()) << "single-expand";
}

TEST_F(PoemPageFixture, AddingPoemsSeparatesThemByOneEmptyLineAndClearingEmptiesTheBox)
{
    page.RzBitBtn42Click();
    QTest::mouseClick(page.RzBitBtn40, Qt::LeftButton);  // no poem shown: nothing
    EXPECT_TRUE(page.MemoYixuan->toPlainText().isEmpty());
    clickAuthor(0, 0);
    clickPoem(0);
    QTest::mouseClick(page.RzBitBtn40, Qt::LeftButton);
    clickPoem(1);
    QTest::mouseClick(page.RzBitBtn40, Qt::LeftButton);
    EXPECT_EQ(page.MemoYixuan->toPlainText(),
              str("关关雎鸠，在河之洲。\n窈窕淑女，君子好逑。\n\n桃之夭夭，灼灼其华。\n之子于归，宜其室家。"));
    QTest::mouseClick(page.RzBitBtn39, Qt::LeftButton);
    EXPECT_TRUE(page.MemoYixuan->toPlainText().isEmpty());
}

TEST_F(PoemPageFixture, ThePoemTextCannotBeCopiedCutOrPastedOver)
{
    page.MemoSgnr->setPlainText(str("红豆生南国"));
    page.MemoSgnr->selectAll();
    page.MemoSgnr->setFocus();
    QApplication::clipboard()->setText("before");
    for (Qt::Key key : {Qt::Key_C, Qt::Key_X, Qt::Key_Insert}) {
        QTest::keyClick(page.MemoSgnr, key, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), "before") << key;
    }
    QTest::keyClick(page.MemoSgnr, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(page.MemoSgnr->toPlainText(), str("红豆生南国"));
    EXPECT_EQ(page.MemoSgnr->contextMenuPolicy(), Qt::PreventContextMenu);
}

TEST_F(PoemPageFixture, StartingChecksTheSurnameFirstThenTheSelection)
{
    page.Xing5->clear();
    page.MemoYixuan->clear();
    QTest::mouseClick(page.RzBitBtn33, Qt::LeftButton);
    EXPECT_EQ(recorder.notices, QStringList{str("提示:姓不能为空!")});
    EXPECT_EQ(QApplication::focusWidget(), page.Xing5);

    page.Xing5->setText(str("王"));
    page.MemoYixuan->setPlainText(" \n \n");
    QTest::mouseClick(page.RzBitBtn33, Qt::LeftButton);
    EXPECT_EQ(recorder.notices.last(), str("提示:没有选择诗词，请查看已选诗词!"));
}

TEST_F(PoemPageFixture, NamesFillTheListLowestScoreFirstAndShowWhereTheyComeFrom)
{
    dbs.exec(Db::Velmora, str(kWords));
    page.Xing5->setText(str("王"));
    page.MemoYixuan->setPlainText(str("明月照华堂\n天明"));
    QTest::mouseClick(page.RzBitBtn33, Qt::LeftButton);
    EXPECT_TRUE(recorder.notices.isEmpty());
    EXPECT_EQ(page.RzPageControl3->results().lines(), (QStringList{str("王华明(70分)"), str("王明华(80分)")}));
    EXPECT_TRUE(page.searchRunning());
    EXPECT_FALSE(state.searching) << "the stop flag of the classic search is not this page's";
    EXPECT_EQ(page.searchStatus->text(), str("已找到 2 个名字"));

    page.RzPageControl3->resultList->setCurrentIndex(page.RzPageControl3->results().index(1, 0));
    EXPECT_EQ(page.LabelChuchu->text(), str("出处：明月照华堂"));

    // Nothing found: the list stays empty and the naming hint shows.
    page.MemoYixuan->setPlainText(str("天地"));
    QTest::mouseClick(page.RzBitBtn33, Qt::LeftButton);
    EXPECT_TRUE(page.RzPageControl3->results().lines().isEmpty());
    EXPECT_EQ(recorder.notices,
              QStringList{str("起名提示:提示：起名要符合多个条件，请添加更多诗词或文字内容方可起出更多名字！")});

    EXPECT_EQ(page.searchStatus->text(), str("已找到 0 个名字"));
    QTest::mouseClick(page.RzBitBtn31, Qt::LeftButton);
    EXPECT_FALSE(page.searchRunning());
    EXPECT_EQ(page.searchStatus->text(), str("已停止，已找到 0 个名字"));
    QTest::mouseClick(page.RzBitBtn34, Qt::LeftButton);
    EXPECT_EQ(backToNaming, 1);
}

TEST_F(PoemPageFixture, AChartThatCannotBeCastStopsTheStartWithTheDateMessage)
{
    dbs.exec(Db::Velmora, str(kWords));
    page.Xing5->setText(str("王"));
    page.MemoYixuan->setPlainText(str("明华"));
    page.CBSGBZ->setChecked(true);
    page.birthRow.month->setCurrentText("2");
    page.birthRow.day->setCurrentText("31");
    QTest::mouseClick(page.RzBitBtn33, Qt::LeftButton);
    EXPECT_EQ(recorder.notices, QStringList{str("提示:请检查输入数据是否出错！")});
    EXPECT_TRUE(page.RzPageControl3->results().lines().isEmpty());
}

TEST(PoemPageInWindow, TheToolbarButtonOpensThePageWithTheWholeTree)
{
    FixtureDbs dbs;
    dbs.exec(Db::KelBirth, str(kPoems));
    TFrmIndex window;
    window.endProcess = [] {};
    window.show();
    window.poemPage->EditTiaojian->setText(str("黄河"));
    QTest::mouseClick(window.RzToolButton6, Qt::LeftButton);
    EXPECT_EQ(window.RzPageControl1->currentWidget(), window.TabSheet6);
    EXPECT_EQ(window.poemPage->TreeViewInit->topLevelItemCount(), 2);
    EXPECT_TRUE(window.poemPage->EditTiaojian->text().isEmpty());
    QTest::mouseClick(window.poemPage->RzBitBtn34, Qt::LeftButton);
    EXPECT_EQ(window.RzPageControl1->currentWidget(), window.TabSheet1);
}
