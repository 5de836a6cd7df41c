// The knowledge page, the note and omen windows, the English-name page and the nickname page.
#include "app/frm_index.h"
#include "app/naming/english_names_page.h"
#include "app/naming/nickname_page.h"
#include "app/reference/frm_note.h"
#include "app/reference/knowledge_page.h"
#include "app/reference/omen_window.h"
#include "tests/app/notice_recorder.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

QString str(const char* utf8) { return QString::fromUtf8(utf8); }

template <class W>
QList<W*> openWindows(const char* objectName)
{
    QList<W*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(objectName) && w->isVisible())
            if (auto* typed = qobject_cast<W*>(w)) found << typed;
    return found;
}

// Closes (and so releases) every window a test opened.
struct WindowSweeper {
    ~WindowSweeper()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("TFrmNote") || w->objectName() == QLatin1String("TFormOnther"))
                w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

// A long article: a hundred numbered lines, so the pane must scroll.
QString longArticle()
{
    QStringList lines;
    for (int i = 1; i <= 100; ++i) lines << QStringLiteral("第%1行").arg(i);
    return lines.join(u'\n');
}

struct KnowledgeFixture : ::testing::Test {
    FixtureDbs dbs;
    KnowledgePage page;
    WindowSweeper sweeper;

    KnowledgeFixture()
    {
        dbs.exec(Db::KelBirth, QStringLiteral("insert into Noter values ('a1', ' 姓名起名原理 ', '\n%1\n\n'), "
                                              "('XM018', '常见小名', '明明 小明');")
                                   .arg(longArticle()));
        page.resize(600, 300);
        page.show();
    }
};

}  // namespace

TEST_F(KnowledgeFixture, TopicButtonsCarryTheirKeysAndTheIntroductionShowsFirst)
{
    const struct { QPushButton* button; const char* caption; const char* cid; } topics[] = {
        {page.RzBitBtn6, "姓名起名原理", "a1"},   {page.RzBitBtn9, "什么是八字", "a2"},
        {page.RzBitBtn10, "八字与起名的重要性", "a6"}, {page.RzBitBtn11, "吉祥宝宝起名方法", "a7"},
        {page.RzBitBtn12, "姓名学与取名", "XM001"}, {page.RzBitBtn13, "姓名与命运", "XM002"},
        {page.RzBitBtn17, "五行与数字", "XM003"},  {page.RzBitBtn28, "姓名与性格", "XM010"},
    };
    for (const auto& t : topics) {
        EXPECT_EQ(t.button->text(), str(t.caption));
        EXPECT_EQ(t.button->toolTip(), QLatin1String(t.cid));
        EXPECT_EQ(t.button->parentWidget(), page.RzPanel14);
    }
    EXPECT_TRUE(page.MemoBk->isReadOnly());
    EXPECT_TRUE(page.MemoBk->toPlainText().startsWith(str("起名原理")));
}

TEST_F(KnowledgeFixture, ALongArticleIsShownFromItsFirstLineAndAMissingOneLeavesThePaneEmpty)
{
    page.MemoBk->verticalScrollBar()->setValue(page.MemoBk->verticalScrollBar()->maximum());
    QTest::mouseClick(page.RzBitBtn6, Qt::LeftButton);
    EXPECT_EQ(page.MemoBk->toPlainText(), longArticle());  // trimmed, its line breaks kept
    EXPECT_EQ(page.MemoBk->verticalScrollBar()->value(), 0);
    EXPECT_EQ(page.MemoBk->textCursor().position(), 0);

    QTest::mouseClick(page.RzBitBtn9, Qt::LeftButton);  // a2 has no row here
    EXPECT_TRUE(page.MemoBk->toPlainText().isEmpty());

    QTest::mouseClick(page.RzBitBtn6, Qt::LeftButton);
    dbs.remove(Db::KelBirth);
    QTest::mouseClick(page.RzBitBtn6, Qt::LeftButton);  // unreadable: silently empty
    EXPECT_TRUE(page.MemoBk->toPlainText().isEmpty());
}

TEST_F(KnowledgeFixture, EachNoteIsItsOwnWindowAndAMissingArticleIsCaptionedSuanming)
{
    ShowNote(str("XM018"));
    ShowNote(str("XM018"));
    ShowNote(str("nothing"));
    const auto notes = openWindows<TFrmNote>("TFrmNote");
    ASSERT_EQ(notes.size(), 3);
    int found = 0;
    for (TFrmNote* note : notes) {
        EXPECT_TRUE(note->RzMemo1->isReadOnly());
        EXPECT_EQ(note->size(), QSize(652, 466));
        EXPECT_TRUE(note->testAttribute(Qt::WA_DeleteOnClose));
        EXPECT_FALSE(note->isModal());
        if (note->windowTitle() == str("常见小名")) {
            EXPECT_EQ(note->RzMemo1->toPlainText(), str("明明 小明"));
            ++found;
        } else {
            EXPECT_EQ(note->windowTitle(), str("算命"));
            EXPECT_TRUE(note->RzMemo1->toPlainText().isEmpty());
        }
    }
    EXPECT_EQ(found, 2);

    dbs.remove(Db::KelBirth);
    ShowNote(str("XM018"));  // unreadable: no window at all
    EXPECT_EQ(openWindows<TFrmNote>("TFrmNote").size(), 3);
}

TEST(OmenWindow, SeveralWindowsEachOnItsOwnPage)
{
    WindowSweeper sweeper;
    ShowOmenPage(str("打喷嚏占卜吉凶"), 0);
    ShowOmenPage(str("耳鸣测吉凶"), 6);
    const auto windows = openWindows<TFormOnther>("TFormOnther");
    ASSERT_EQ(windows.size(), 2);
    for (TFormOnther* w : windows) {
        const bool sneezing = w->windowTitle() == str("打喷嚏占卜吉凶");
        EXPECT_EQ(w->RzPageControl1->currentIndex(), sneezing ? 0 : 6);
        EXPECT_FALSE(w->RzPageControl1->tabBar()->isVisible());
        EXPECT_EQ(w->size(), QSize(388, 283));
        EXPECT_TRUE(w->pages[w->RzPageControl1->currentIndex()]->toPlainText().startsWith(
            sneezing ? str("凌晨1 点-凌晨3点 ") : str("子时：左主女思")));
        EXPECT_TRUE(w->Label1->text().startsWith(str("说明：\n   子时为23点-1点 ")));
    }
}

TEST(EnglishNamesPage, AnalyseShowsTheListOnceAndTheSexReplacesIt)
{
    EnglishNamesPage page;
    EXPECT_EQ(page.CBEngSex->currentText(), str("男"));
    EXPECT_FALSE(page.nan->isVisible());
    EXPECT_TRUE(page.RzMemo2->toPlainText().startsWith(str("    英文名的英文意思是English ")));
    const int boys = int(page.nan->toPlainText().split(u'\n').size());

    page.RzButton3->click();
    page.RzButton3->click();
    ASSERT_EQ(page.TreeView->count(), boys);
    EXPECT_EQ(page.TreeView->item(0)->text(), page.nan->toPlainText().section(u'\n', 0, 0).trimmed());

    page.CBEngSex->setCurrentText(str("女"));
    page.RzButton3->click();
    ASSERT_EQ(page.TreeView->count(), int(page.nv->toPlainText().split(u'\n').size()));
    EXPECT_TRUE(page.TreeView->item(0)->text().startsWith(str("Olivia ")));
}

TEST(NicknamePage, AnalyseListsNicknamesOfTheCheckedPatternAndKeepsThemOnBadInput)
{
    BuiltDbs dbs;
    NoticeRecorder notices;
    WindowSweeper sweeper;
    NicknamePage page;
    EXPECT_TRUE(page.RzRadioButton1->isChecked());
    EXPECT_EQ(page.birthRow5.year->currentText(), QString::number(QDate::currentDate().year())) << "a baby's page";

    page.RzRadioButton3->setChecked(true);
    page.RzButton4->click();
    page.RzButton4->click();
    const int count = page.TreeViewX->count();
    ASSERT_GE(count, 20);
    for (int i = 0; i < count; ++i) EXPECT_TRUE(page.TreeViewX->item(i)->text().startsWith(str("阿")));

    page.birthRow5.month->setCurrentText(str("2"));
    page.birthRow5.day->setCurrentText(str("31"));
    page.RzRadioButton4->setChecked(true);
    page.RzButton4->click();
    EXPECT_EQ(notices.notices, QStringList{str("提示:请检查输入数据是否出错！")});
    EXPECT_EQ(page.TreeViewX->count(), count);
    EXPECT_TRUE(page.TreeViewX->item(0)->text().startsWith(str("阿")));

    page.RzButton5->click();
    page.RzButton5->click();
    EXPECT_EQ(openWindows<TFrmNote>("TFrmNote").size(), 2);
}

TEST(ReferencePages, TheMainWindowKeepsThemAsItsPages)
{
    FixtureDbs dbs;
    TFrmIndex window;
    EXPECT_EQ(window.TabSheet4, window.englishNamesPage);
    EXPECT_EQ(window.TabSheet5, window.nicknamePage);
    EXPECT_EQ(window.TabSheet10, window.knowledgePage);
    EXPECT_EQ(window.findChild<QComboBox*>(QStringLiteral("XSex")), window.nicknamePage->birthRow5.sex);
    EXPECT_NE(window.findChild<QPlainTextEdit*>(QStringLiteral("MemoBk")), nullptr);
    EXPECT_NE(window.findChild<QListWidget*>(QStringLiteral("TreeView")), nullptr);
}
