// The list and idiom modes on the naming page: the mode switch, the grid's pages, "继续显示", the
// high-score lines and the message when nothing is found.
#include "app/naming/name_list_model.h"
#include "app/naming/name_list_pair.h"
#include "app/naming/naming_page.h"
#include "naming/idiom_list.h"
#include "naming/list_search.h"
#include "tests/app/notice_recorder.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

// The page over a small dictionary in which 王 (4 strokes) meets `first` characters of 8 strokes
// and `second` of 14 under one combination scoring 88, so a list search finds first × second names.
struct ListModes : ::testing::Test {
    FixtureDbs dbs;
    NoticeRecorder recorder;
    NamingState state;
    NamingPage page{state};

    void dictionary(int first, int second)
    {
        QStringList rows = {"('王', '王', 4, 'wáng', '土', 1, 1, '1', 1, 1, null)"};
        for (int i = 0; i < first + second; ++i) {
            const QString zi(QChar(0x4E00 + 2 * i));
            rows << QStringLiteral("('%1', '%1', %2, 'x%3', '木', 1, 1, '1', %3, %3, null)")
                        .arg(zi)
                        .arg(i < first ? 8 : 14)
                        .arg(i + 2);
        }
        dbs.exec(Db::Velmora, "insert into word (zi, ft, bh, pinyin, wuhang, nan, nv, xb, px, id, Aflag) values "
                                  + rows.join(',') + ";"
                                  "insert into zh values (12, 4, 0, 8, 14, 88, 1, '5-12-22-26-15', '土木木');");
    }
    // Types the surname, leaves the box (which builds the plans) and starts the mode.
    void start(QRadioButton* mode)
    {
        page.Xing->setText("王");
        emit page.Xing->editingFinished();
        mode->click();
        page.RzBitBtn5->click();
    }
    int filledRows() const
    {
        int n = 0;
        for (int r = 0; r < page.RzStringGrid1->rowCount(); ++r) n += page.RzStringGrid1->item(r, 1) != nullptr;
        return n;
    }
    QStringList column(int c) const
    {
        QStringList cells;
        for (int r = 0; r < page.RzStringGrid1->rowCount(); ++r)
            if (auto* item = page.RzStringGrid1->item(r, c)) cells << item->text();
        return cells;
    }
    QStringList highScoreLines() { return page.RzPageControl2->results().lines(); }
};

}  // namespace

TEST_F(ListModes, TheModeSwitchShowsTheGridOrThePaneAndNamesTheSecondButton)
{
    page.RzRadioButton7->click();
    EXPECT_FALSE(page.RzStringGrid1->isHidden());
    EXPECT_TRUE(page.MemoSuccess->isHidden());
    EXPECT_EQ(page.RzBitBtn2->text(), "继续显示");
    page.RzBitBtn2->setEnabled(false);
    page.RzRadioButton6->click();
    EXPECT_TRUE(page.RzStringGrid1->isHidden());
    EXPECT_FALSE(page.MemoSuccess->isHidden());
    EXPECT_EQ(page.RzBitBtn2->text(), "停止起名");
    EXPECT_TRUE(page.RzBitBtn2->isEnabled());
    page.RzRadioButton9->click();
    EXPECT_FALSE(page.RzStringGrid1->isHidden());
    EXPECT_EQ(page.RzBitBtn2->text(), "继续显示");
}

TEST_F(ListModes, ASmallResultFillsItsRowsInOrderAndDisablesTheNextPage)
{
    dictionary(10, 12);
    start(page.RzRadioButton7);
    ASSERT_EQ(filledRows(), 120);
    QStringList numbers;
    for (int i = 1; i <= 120; ++i) numbers << QString::number(i);
    EXPECT_EQ(column(0), numbers);
    const QStringList names = column(1);
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), 120);
    EXPECT_FALSE(page.RzBitBtn2->isEnabled());
    // The high-score lines of these modes carry the score without "分".
    ASSERT_EQ(highScoreLines().size(), 120);
    EXPECT_EQ(highScoreLines().front(), column(1).front() + "(88)");
    EXPECT_EQ(page.RzStringGrid1->item(0, 5)->text(), "4,8,14");
    EXPECT_EQ(page.RzStringGrid1->item(0, 3)->text().left(5), "wáng-");
}

TEST_F(ListModes, ALargeResultGivesThreeRandomPagesOfAtMost500)
{
    dictionary(30, 40);
    start(page.RzRadioButton7);
    EXPECT_EQ(filledRows(), 500);
    EXPECT_TRUE(page.RzBitBtn2->isEnabled());
    page.RzBitBtn2->click();
    EXPECT_EQ(filledRows(), 500);
    EXPECT_TRUE(page.RzBitBtn2->isEnabled());
    page.RzBitBtn2->click();
    EXPECT_EQ(filledRows(), 200);  // 1,200 rows placed in all
    EXPECT_FALSE(page.RzBitBtn2->isEnabled());
    EXPECT_EQ(highScoreLines().size(), 1200);  // every page adds its picks
}

TEST_F(ListModes, ExactlyOnePageOfNamesIsDrawnAtRandom)
{
    dictionary(20, 25);
    start(page.RzRadioButton7);
    EXPECT_EQ(filledRows(), 500);
    EXPECT_FALSE(page.RzBitBtn2->isEnabled());
    ListSearchOptions o;
    o.surnameBox = "王";
    o.planText = page.CBCode->currentText();
    QString missing;
    const auto inOrder = RunListSearch(o, missing);
    ASSERT_TRUE(inOrder);
    QStringList names;
    for (int row = 1; row <= inOrder->rowCount(); ++row) names << "王" + inOrder->givenName(row);
    EXPECT_NE(column(1), names);
}

TEST_F(ListModes, NoNameGivesTheMessageAndTheGridKeepsThePreviousRows)
{
    dictionary(10, 12);
    start(page.RzRadioButton7);
    const QStringList before = column(1);
    ASSERT_EQ(before.size(), 120);
    page.Gudingzi->setText("龙");  // not in the dictionary
    page.RzBitBtn5->click();
    EXPECT_EQ(recorder.notices, QStringList{"提示:" + noListNameMessage()});
    EXPECT_EQ(column(1), before);
    EXPECT_TRUE(highScoreLines().isEmpty());
}

TEST_F(ListModes, WithoutASurnameNothingStarts)
{
    dictionary(10, 12);
    page.RzRadioButton9->click();
    page.RzBitBtn5->click();
    EXPECT_EQ(recorder.notices, QStringList{"提示:姓不能为空!"});
    EXPECT_EQ(filledRows(), 0);
}

TEST(ListModesOnTheRealDictionary, IdiomNamesTellTheIdiomsOfTheirCharacters)
{
    BuiltDbs dbs;
    NoticeRecorder recorder;
    NamingState state;
    NamingPage page(state);
    page.Xing->setText("王");
    emit page.Xing->editingFinished();
    page.RzRadioButton9->click();
    page.RzBitBtn5->click();
    ASSERT_TRUE(recorder.notices.isEmpty()) << recorder.notices.join(' ').toStdString();
    ASSERT_NE(page.RzStringGrid1->item(0, 1), nullptr);
    for (int r = 0; r < page.RzStringGrid1->rowCount(); r += 50) {
        const QString given = page.RzStringGrid1->item(r, 1)->text().mid(1);
        const QStringList tip = page.RzStringGrid1->item(r, 1)->toolTip().split('\n');
        ASSERT_EQ(tip.size(), distinctCharacters(given).size()) << given.toStdString();
        for (const QString& line : tip) {
            EXPECT_TRUE(given.contains(line.left(1))) << line.toStdString();
            for (const QString& idiom : line.mid(2).split(u'、')) EXPECT_TRUE(idiom.contains(line.left(1)));
        }
    }
}
