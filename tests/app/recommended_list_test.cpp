// The tab "推荐名字" of the naming and poem pages: filled and brought to the front when a search of
// any mode ends, never holding a name its own judgement flags, best first, with the reason in the
// tool tip, and opening the analysis on a double-click as the other lists do.
#include "app/frm_index.h"
#include "app/naming/name_list_model.h"
#include "app/naming/name_list_pair.h"
#include "app/naming/naming_page.h"
#include "app/naming/poem_page.h"
#include "app/naming/recommended_list.h"
#include "naming/name_quality.h"
#include "tests/app/notice_recorder.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString str(const char* utf8) { return QString::fromUtf8(utf8); }

// Every line of the tab: recommendable, best first by 音形义 and then by the numerology score, each
// with its reason.
void expectRankedAndClean(const RecommendedList& tab, const QString& surname, ChildSex sex)
{
    const QualityJudge judge = QualityJudge::forSearch(surname, sex);
    int quality = 101, numerology = 101;
    for (int row = 0; row < tab.rowCount(); ++row) {
        const QString line = tab.line(row);
        const QString given = line.mid(surname.size(), line.indexOf(u'(') - surname.size());
        const QualityAssessment a = judge.assess(given);
        EXPECT_TRUE(a.recommendable()) << line.toStdString();
        EXPECT_TRUE(line.endsWith(QStringLiteral(" 音形义%1分").arg(a.score))) << line.toStdString();
        const int score = line.section(u'(', 1).section(u')', 0, 0).remove(u'分').toInt();
        EXPECT_TRUE(a.score < quality || (a.score == quality && score <= numerology)) << "best first: " << line.toStdString();
        quality = a.score;
        numerology = score;
        EXPECT_FALSE(tab.toolTip(row).isEmpty()) << line.toStdString();
    }
}

struct RecommendedOnTheNamingPage : ::testing::Test {
    BuiltDbs dbs;
    NoticeRecorder recorder;
    TFrmIndex window;
    NamingPage& page = *window.namingPage;

    RecommendedOnTheNamingPage()
    {
        window.endProcess = [] {};
        window.show();
    }
    void enterSurname(const char* surname)
    {
        page.Xing->setText(str(surname));
        emit page.Xing->editingFinished();
    }
};

TEST_F(RecommendedOnTheNamingPage, TheClassicSearchEndsOnTheRecommendedTab)
{
    enterSurname("王");
    EXPECT_EQ(page.RzPageControl2->currentIndex(), 0);
    QSignalSpy ended(&page, &NamingPage::searchEnded);
    QTest::mouseClick(page.RzBitBtn5, Qt::LeftButton);
    ASSERT_TRUE(ended.wait(120000));

    EXPECT_EQ(page.RzPageControl2->currentWidget(), page.recommendedList);
    EXPECT_EQ(page.RzPageControl2->tabText(2), str("推荐名字"));
    EXPECT_EQ(page.recommendedList->rowCount(), kRecommendedListSize);
    expectRankedAndClean(*page.recommendedList, str("王"), ChildSex::Boy);

    QStringList opened;
    page.RzPageControl2->openAnalysis = [&](const QString& s, const QString& g, const BirthInfo&) { opened << s + "|" + g; };
    const QString first = page.recommendedList->line(0);
    page.recommendedList->list->setCurrentIndex(page.recommendedList->list->model()->index(0, 0));
    emit page.recommendedList->list->doubleClicked(page.recommendedList->list->currentIndex());
    EXPECT_EQ(opened, QStringList{"王|" + first.mid(1, first.indexOf(u'(') - 1)});

    // The next start empties the tab until its own search has ended.
    QTest::mouseClick(page.RzBitBtn5, Qt::LeftButton);
    EXPECT_EQ(page.recommendedList->rowCount(), 0);
    ASSERT_TRUE(ended.wait(120000));
}

TEST_F(RecommendedOnTheNamingPage, TheListModesRankTheirWholeResultForAGirl)
{
    enterSurname("李");
    page.CBsex->setCurrentIndex(1);
    for (QRadioButton* mode : {page.RzRadioButton7, page.RzRadioButton9}) {
        QTest::mouseClick(mode, Qt::LeftButton);
        page.RzPageControl2->setCurrentIndex(0);
        QTest::mouseClick(page.RzBitBtn5, Qt::LeftButton);
        EXPECT_EQ(page.RzPageControl2->currentWidget(), page.recommendedList) << mode->text().toStdString();
        EXPECT_GT(page.recommendedList->rowCount(), 10) << mode->text().toStdString();
        expectRankedAndClean(*page.recommendedList, str("李"), ChildSex::Girl);
    }
    EXPECT_TRUE(recorder.notices.isEmpty());
}

TEST(RecommendedOnThePoemPage, ThePoemsNamesAreShownBestFirstBesideTheAscendingList)
{
    BuiltDbs dbs;
    NoticeRecorder recorder;
    NamingState state;
    PoemPage page{state, [] {}};
    page.show();
    page.Xing5->setText(str("王"));
    page.MemoYixuan->setPlainText(str("蒹葭苍苍，白露为霜。所谓伊人，在水一方。溯洄从之，道阻且长。"));
    QTest::mouseClick(page.RzBitBtn33, Qt::LeftButton);
    ASSERT_GT(page.RzPageControl3->results().lines().size(), page.recommendedList->rowCount());
    EXPECT_EQ(page.RzPageControl3->currentWidget(), page.recommendedList);
    EXPECT_GT(page.recommendedList->rowCount(), 0);
    expectRankedAndClean(*page.recommendedList, str("王"), ChildSex::Boy);
}

}  // namespace
