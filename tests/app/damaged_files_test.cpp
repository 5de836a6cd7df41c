// The windows and pages with every knowledge file missing, empty, truncated or no database at all:
// each main action runs to its failure convention and nothing crashes.
#include "app/calendar/bazi_page.h"
#include "app/calendar/form_huangdao.h"
#include "app/calendar/frm_date.h"
#include "app/frm_index.h"
#include "app/naming/english_names_page.h"
#include "app/naming/naming_page.h"
#include "app/naming/nickname_page.h"
#include "app/naming/poem_page.h"
#include "app/numerology/name_page.h"
#include "app/reference/knowledge_page.h"
#include "app/tools/frm_wuxing.h"
#include "tests/app/notice_recorder.h"
#include "tests/support/fixture_db.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <optional>

namespace {

struct DamagedFiles : ::testing::TestWithParam<std::optional<Damage>> {
    FixtureDbs dbs;
    NoticeRecorder recorder;

    DamagedFiles()
    {
        if (GetParam())
            for (Db db : kAllDbs) dbs.damage(db, *GetParam());
    }
    // The notices since the last call.
    QStringList take() { return std::exchange(recorder.notices, {}); }
};

std::string damageName(const ::testing::TestParamInfo<std::optional<Damage>>& info)
{
    if (!info.param) return "Missing";
    switch (*info.param) {
    case Damage::Empty: return "Empty";
    case Damage::Truncated: return "Truncated";
    case Damage::Garbage: return "Garbage";
    }
    return "";
}

// The words of the engine (or of the data layer for a missing file) that a reported failure shows.
QString engineWords(const std::optional<Damage>& damage)
{
    if (!damage) return QStringLiteral("找不到数据库文件");
    switch (*damage) {
    case Damage::Empty: return QStringLiteral("no such table");
    case Damage::Truncated: return QStringLiteral("malformed");
    case Damage::Garbage: return QStringLiteral("not a database");
    }
    return {};
}

}  // namespace

TEST_P(DamagedFiles, ThePagesAbandonSilentlyOrReportTheEnginesText)
{
    TFrmIndex window;
    window.endProcess = [] {};
    window.show();

    // The reports abandon silently, keeping what they had written.
    window.namePage->birthRow3.surname->setText("欧阳");
    window.namePage->birthRow3.givenName->setText("明华");
    window.namePage->birthRow3.hour->setEditText("午 12");
    QTest::mouseClick(window.namePage->RzButton1, Qt::LeftButton);
    EXPECT_EQ(take(), QStringList());
    window.baziPage->birthRow2.hour->setEditText("午 12");
    QTest::mouseClick(window.baziPage->RzButton2, Qt::LeftButton);
    EXPECT_EQ(take(), QStringList());
    EXPECT_TRUE(window.baziPage->Memo1->toPlainText().isEmpty());

    // The plan list reports the failure; the search then ends without a word.
    NamingPage& naming = *window.namingPage;
    naming.Xing->setText("王");
    emit naming.Xing->editingFinished();
    const QStringList plans = take();
    ASSERT_EQ(plans.size(), 1);
    EXPECT_TRUE(plans[0].startsWith("错误:")) << plans[0].toStdString();
    EXPECT_TRUE(plans[0].contains(engineWords(GetParam()))) << plans[0].toStdString();
    QSignalSpy ended(&naming, &NamingPage::searchEnded);
    QTest::mouseClick(naming.RzBitBtn5, Qt::LeftButton);
    ASSERT_TRUE(ended.wait(10000));
    EXPECT_EQ(take(), QStringList());
    EXPECT_TRUE(naming.MemoSuccess->toPlainText().isEmpty());

    // The poem tree and the articles stay empty; the built-in lists still show.
    QTest::mouseClick(window.RzToolButton6, Qt::LeftButton);
    EXPECT_EQ(window.poemPage->TreeViewInit->topLevelItemCount(), 0);
    window.knowledgePage->RzBitBtn6->click();
    EXPECT_TRUE(window.knowledgePage->MemoBk->toPlainText().isEmpty());
    window.englishNamesPage->RzButton3->click();
    EXPECT_GT(window.englishNamesPage->TreeView->count(), 0);
    window.nicknamePage->RzButton4->click();
    EXPECT_GT(window.nicknamePage->TreeViewX->count(), 0);
    EXPECT_EQ(take(), QStringList());
}

TEST_P(DamagedFiles, TheWindowsReportTheEnginesTextAndStay)
{
    const QString reported = "错误:";
    TFormHuangdao almanac;
    almanac.show();
    almanac.SYear->setEditText("2024");
    almanac.SMonth->setEditText("2");
    almanac.Sday->setEditText("10");
    QTest::mouseClick(almanac.RzBitBtn1, Qt::LeftButton);
    QStringList notices = take();
    ASSERT_EQ(notices.size(), 2) << "one on opening, one on the click";
    for (const QString& n : notices) {
        EXPECT_TRUE(n.startsWith(reported) && n.contains(engineWords(GetParam()))) << n.toStdString();
    }
    EXPECT_TRUE(almanac.isVisible());
    EXPECT_TRUE(almanac.Memo1->toPlainText().isEmpty());

    TFRM_Date calendar;  // its tables are built in
    calendar.show();
    EXPECT_EQ(take(), QStringList());

    TFrmWuxing wuxing;
    wuxing.Wuxing->setText("王");
    wuxing.RzBitBtn1->click();
    notices = take();
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].startsWith(reported) && notices[0].contains(engineWords(GetParam()))) << notices[0].toStdString();
    EXPECT_TRUE(wuxing.Reswu->text().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(EveryDamage, DamagedFiles,
                         ::testing::Values(std::nullopt, Damage::Empty, Damage::Truncated, Damage::Garbage), damageName);
