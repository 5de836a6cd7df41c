#include "app/frm_index.h"
#include "app/naming/element_source_box.h"
#include "app/naming/name_list_model.h"
#include "app/naming/name_list_pair.h"
#include "app/naming/naming_page.h"
#include "app/naming/tmythread.h"
#include "data/char_dictionary.h"
#include "naming/classic_search.h"
#include "naming/name_placement.h"
#include "naming/stroke_plans.h"
#include "tests/app/notice_recorder.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The naming page in the main window, over the real knowledge files.
struct NamingPageFixture : ::testing::Test {
    BuiltDbs dbs;
    NoticeRecorder recorder;
    TFrmIndex window;
    NamingPage& page = *window.namingPage;

    NamingPageFixture()
    {
        window.endProcess = [] {};
        window.show();
    }

    void leave(QLineEdit* box, const QString& text)
    {
        box->setText(text);
        emit box->editingFinished();
    }
    QStringList plans() const
    {
        QStringList items;
        for (int i = 0; i < page.CBCode->count(); ++i) items << page.CBCode->itemText(i);
        return items;
    }
    // Starts the chosen mode and waits until every line of the search is placed.
    void runToEnd()
    {
        QSignalSpy ended(&page, &NamingPage::searchEnded);
        QTest::mouseClick(page.RzBitBtn5, Qt::LeftButton);
        ASSERT_TRUE(ended.wait(60000));
    }
    // The lines the search itself gives for the page's surname and chosen plan.
    QStringList searchLines(ChildSex sex = ChildSex::Boy)
    {
        ClassicSearchOptions o;
        o.surname = page.Xing->text().trimmed();
        o.sex = sex;
        o.planChoice = page.CBCode->currentText();
        o.plans = plans().mid(1);
        QStringList lines;
        const std::atomic_bool searching{true};
        RunClassicSearch(o, searching, [&](const QString& line) { lines << line; });
        return lines;
    }
    QStringList allNamesRows() const { return page.MemoSuccess->toPlainText().split('\n', Qt::SkipEmptyParts); }
};

}  // namespace

TEST_F(NamingPageFixture, OptionsStartWithTheirDefaults)
{
    EXPECT_EQ(page.CBXingshi->currentText(), "双字名");
    EXPECT_EQ(plans(), QStringList{"电脑全自动"});
    EXPECT_EQ(page.CBCode->currentIndex(), -1) << "nothing chosen before the first plan list";
    EXPECT_EQ(page.CBdijizi->currentText(), "第二字");
    EXPECT_TRUE(page.Gudingzi->text().isEmpty());
    EXPECT_FALSE(page.CBwuxing->isChecked());
    EXPECT_EQ(page.CBwuxing->text(), "自动根据八字五行匹配取名");
    EXPECT_TRUE(page.CBFeeXX->isChecked());
    EXPECT_EQ(page.ZuidiFee->text(), "70");
    EXPECT_TRUE(page.CBInitFee->isChecked());
    EXPECT_EQ(page.Sorcss->text(), "75");
    EXPECT_TRUE(page.RzRadioButton6->isChecked());
    const struct { QPushButton* button; const char* caption; } buttons[] = {
        {page.RzBitBtn5, "马上起名"}, {page.RzBitBtn2, "停止起名"}, {page.RzBitBtn4, "关闭软件"}};
    for (const auto& b : buttons) EXPECT_EQ(b.button->text(), QString::fromUtf8(b.caption));
    EXPECT_EQ(page.hintLabel->text(), "提示：双击高分名字列表查看详细分析");
    EXPECT_EQ(window.findChild<QListView*>("ListBox1"), page.ListBox1);
    EXPECT_EQ(page.SYear->itemText(page.SYear->count() - 1), "2100") << "a child born this year can be entered";
}

TEST_F(NamingPageFixture, TheOptionHandlersRebuildThePlans)
{
    leave(page.Xing, "");
    EXPECT_EQ(plans(), QStringList{"电脑全自动"}) << "an empty surname rebuilds nothing";

    leave(page.Xing, "王");
    StrokePlanOptions wang;
    wang.surname = "王";
    EXPECT_EQ(plans(), StrokePlanItems(wang));
    EXPECT_EQ(page.CBCode->currentIndex(), 0);

    page.CBCode->setCurrentIndex(3);
    page.CBsex->setCurrentIndex(1);
    EXPECT_EQ(page.CBCode->currentText(), "电脑全自动") << "a change of sex brings the choice back";

    page.Gudingzi->setText("明");
    page.CBXingshi->setCurrentIndex(1);
    EXPECT_FALSE(page.CBdijizi->isEnabled());
    EXPECT_TRUE(page.Gudingzi->text().isEmpty());
    EXPECT_FALSE(plans()[1].contains('-')) << plans()[1].toStdString();
    page.CBXingshi->setCurrentIndex(0);
    EXPECT_TRUE(page.CBdijizi->isEnabled());

    leave(page.Gudingzi, "明");
    EXPECT_FALSE(page.CBFeeXX->isChecked()) << "a fixed character drops the minimum score";
    for (const QString& item : plans().mid(1)) EXPECT_TRUE(item.startsWith("4|8-")) << item.toStdString();

    leave(page.ZuidiFee, "abc");
    EXPECT_EQ(page.ZuidiFee->text(), "70");
    leave(page.Sorcss, "abc");
    EXPECT_EQ(page.Sorcss->text(), "95");
    leave(page.Sorcss, "");
    EXPECT_EQ(page.Sorcss->text(), "");
    EXPECT_TRUE(recorder.notices.isEmpty());
}

TEST_F(NamingPageFixture, TheClassicSearchFillsThePaneInRowsOfSixAndPicksTheGoodNames)
{
    leave(page.Xing, "王");
    page.CBCode->setCurrentIndex(1);
    leave(page.Sorcss, QString::number(scoreOfLine(page.CBCode->currentText()) + 1));
    runToEnd();
    const QStringList lines = searchLines();
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(page.RzPageControl2->results().lines().isEmpty()) << "every line scores under the pick score";

    QStringList cells;
    for (const QString& line : lines) cells << padNameCell(line);
    const QStringList rows = allNamesRows();
    ASSERT_EQ(rows.size(), (lines.size() + 5) / 6) << "the last, partly filled row is written too";
    EXPECT_EQ(rows.join(QString()), cells.join(QString())) << "in the order the search gives them";
    EXPECT_EQ(window.namingState().rowBufferCount, 0);

    leave(page.Sorcss, QString::number(scoreOfLine(page.CBCode->currentText())));
    runToEnd();
    EXPECT_EQ(page.RzPageControl2->results().lines(), lines);
    EXPECT_EQ(allNamesRows().size(), rows.size()) << "a new start clears the pane";

    page.CBInitFee->setChecked(false);
    runToEnd();
    EXPECT_TRUE(page.RzPageControl2->results().lines().isEmpty());
}

TEST_F(NamingPageFixture, StopAndASecondStartNeverHoldTheWindowUp)
{
    leave(page.Xing, "王");
    QSignalSpy ended(&page, &NamingPage::searchEnded);
    QTest::mouseClick(page.RzBitBtn5, Qt::LeftButton);
    EXPECT_TRUE(page.searchRunning());
    QTest::mouseClick(page.RzBitBtn2, Qt::LeftButton);
    EXPECT_FALSE(window.namingState().searching);
    EXPECT_FALSE(page.RzBitBtn2->isEnabled()) << "the stop button rests for two seconds";
    ASSERT_TRUE(ended.wait(60000));
    const qsizetype stoppedAt = page.RzPageControl2->results().lines().size();
    EXPECT_LT(stoppedAt, searchLines().size());

    // A second start while the first runs: the first stops, the second starts after it and runs
    // to its end, and the click itself returns at once.
    QTest::mouseClick(page.RzBitBtn5, Qt::LeftButton);
    QTest::mouseClick(page.RzBitBtn5, Qt::LeftButton);
    EXPECT_TRUE(page.searchRunning());
    while (ended.size() < 3) ASSERT_TRUE(ended.wait(60000));
    QStringList full;
    for (const QString& line : searchLines())
        if (isPickedLine(line, 75)) full << line;
    EXPECT_EQ(page.RzPageControl2->results().lines(), full);
    EXPECT_FALSE(page.searchRunning());
    QTRY_VERIFY_WITH_TIMEOUT(page.RzBitBtn2->isEnabled(), 5000);
}

TEST_F(NamingPageFixture, TheChartOfThePageDecidesThePreferredElements)
{
    leave(page.Xing, "王");
    page.CBwuxing->setChecked(true);
    page.Sday->setEditText("");
    QTest::mouseClick(page.RzBitBtn5, Qt::LeftButton);
    EXPECT_EQ(recorder.notices, QStringList{"提示:请选择出生日!"});
    EXPECT_FALSE(page.searchRunning());

    page.Sday->setEditText("1");
    page.SYear->setEditText("2024");
    page.SMonth->setEditText("6");
    page.Shour->setEditText("午 12");
    runToEnd();
    const QString missing = window.namingState().missingElements;
    EXPECT_FALSE(missing.contains("土")) << "王 is earth: the surname brings it";
    for (const QString& line : page.RzPageControl2->results().lines().mid(0, 50)) {
        const QString given = line.mid(1, 2);
        for (const QChar element : missing.left(2)) {
            bool carried = false;
            for (const QChar c : given) carried = carried || CharElement(QString(c)) == QString(element);
            EXPECT_TRUE(carried) << line.toStdString() << " lacks " << QString(element).toStdString();
        }
    }
}

TEST_F(NamingPageFixture, TheElementChoiceReachesTheClassicAndTheListModes)
{
    EXPECT_EQ(page.elementSource->CBwuxingSource->currentText(), "八字所缺五行");
    EXPECT_FALSE(page.elementSource->tickBoxes[0]->isEnabled()) << "ticking only for 自选五行";
    leave(page.Xing, "王");
    page.CBwuxing->setChecked(true);
    page.elementSource->CBwuxingSource->setCurrentIndex(2);  // 自选五行
    for (int i : {0, 2}) QTest::mouseClick(page.elementSource->tickBoxes[i], Qt::LeftButton);  // 金, 水
    EXPECT_EQ(window.namingState().elementChoice.ticked, "金水");

    runToEnd();
    EXPECT_EQ(window.namingState().missingElements, "金水");

    window.namingState().missingElements.clear();
    page.RzRadioButton7->setChecked(true);
    QTest::mouseClick(page.RzBitBtn5, Qt::LeftButton);
    EXPECT_EQ(window.namingState().missingElements, "金水");
    EXPECT_TRUE(recorder.notices.isEmpty()) << recorder.notices.join(' ').toStdString();
}

TEST_F(NamingPageFixture, AnEmptySurnameIsToldAndTheListModesStartNothingYet)
{
    QTest::mouseClick(page.RzBitBtn5, Qt::LeftButton);
    EXPECT_EQ(recorder.notices, QStringList{"提示:姓不能为空!"});
    page.RzRadioButton7->setChecked(true);
    leave(page.Xing, "王");
    QTest::mouseClick(page.RzBitBtn5, Qt::LeftButton);
    EXPECT_EQ(page.worker(), nullptr);
}

TEST_F(NamingPageFixture, TheGridAndTheListsOpenTheAnalysisWithThePagesInputs)
{
    QStringList opened;
    page.RzPageControl2->openAnalysis = [&](const QString& s, const QString& g, const BirthInfo& b) {
        opened << s + "|" + g + "|" + b.sex + "|" + b.year;
    };
    leave(page.Xing, "欧阳");
    page.CBsex->setCurrentIndex(1);
    page.SYear->setEditText("2024");
    page.RzStringGrid1->setItem(2, 1, new QTableWidgetItem(" 欧阳明 "));
    page.RzStringGrid1->setCurrentCell(2, 1);
    emit page.RzStringGrid1->cellDoubleClicked(2, 1);
    page.RzStringGrid1->setCurrentCell(3, 1);
    emit page.RzStringGrid1->cellDoubleClicked(3, 1);  // an empty cell
    EXPECT_EQ(opened, QStringList{"欧阳|明|女|2024"});
}

TEST(NamingPageWithoutFiles, ThePlanListReportsTheFailureAndTheSearchEndsSilently)
{
    FixtureDbs dbs;  // no knowledge file at all
    NoticeRecorder recorder;
    TFrmIndex window;
    window.endProcess = [] {};
    NamingPage& page = *window.namingPage;
    page.Xing->setText("王");
    emit page.Xing->editingFinished();
    ASSERT_EQ(recorder.notices.size(), 1);
    EXPECT_TRUE(recorder.notices[0].startsWith("错误:")) << recorder.notices[0].toStdString();
    EXPECT_EQ(page.CBCode->count(), 1) << "the list stays as it was";

    QSignalSpy ended(&page, &NamingPage::searchEnded);
    page.CBCode->setCurrentIndex(0);
    QTest::mouseClick(page.RzBitBtn5, Qt::LeftButton);
    ASSERT_TRUE(ended.wait(10000));
    EXPECT_EQ(recorder.notices.size(), 1) << "no word from the search";
    EXPECT_TRUE(page.MemoSuccess->toPlainText().isEmpty());
}
