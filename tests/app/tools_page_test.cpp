// The tools page and the tool windows it opens, offscreen.
#include "app/frm_index.h"
#include "app/program_links.h"
#include "app/reference/omen_window.h"
#include "app/tools/frm_love.h"
#include "app/tools/frm_servers.h"
#include "app/tools/frm_wangming.h"
#include "app/tools/frm_wuxing.h"
#include "app/tools/number_window.h"
#include "app/tools/tools_page.h"
#include "tests/app/notice_recorder.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// The modal window a click opened, as the user sees it: the one the program now waits on.
QWidget* openedModalWindow()
{
    return QApplication::activeModalWidget();
}

// Closes a window the way its "关闭" button does, and lets Qt delete it.
void closeForReal(QWidget* window)
{
    QPointer<QWidget> guard(window);
    window->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return guard.isNull(); })) << "not deleted when closed";
}

// Records the links handed to the system, through the system's own route for links.
class LinkRecorder : public QObject {
    Q_OBJECT
public:
    LinkRecorder() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~LinkRecorder() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> links;

public slots:
    void open(const QUrl& url) { links << url; }
};

template <class W>
void showActive(W& window)
{
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

}  // namespace

TEST(ToolsPage, IsTabSheet9OfTheMainWindow)
{
    FixtureDbs dbs;
    TFrmIndex window;
    EXPECT_EQ(window.TabSheet9, window.toolsPage);
    EXPECT_EQ(window.toolsPage->objectName(), "TabSheet9");
    window.RzToolButton8->click();
    EXPECT_EQ(window.RzPageControl1->currentWidget(), window.toolsPage);
}

TEST(ToolsPage, NineteenTransparentSquaresAtTheirPlaces)
{
    ToolsPage page;
    const struct { const char* name; int top, left; } places[] = {
        {"RzToolButton19", 25, 96},   {"RzToolButton25", 104, 96},  {"RzToolButton26", 104, 181},
        {"RzToolButton27", 104, 266}, {"RzToolButton28", 104, 352}, {"RzToolButton29", 104, 437},
        {"RzToolButton30", 104, 522}, {"RzToolButton24", 104, 602}, {"RzToolButton31", 182, 96},
        {"RzToolButton32", 182, 181}, {"RzToolButton33", 182, 266}, {"RzToolButton34", 182, 352},
        {"RzToolButton35", 182, 437}, {"RzToolButton36", 182, 522}, {"RzToolButton13", 182, 602},
        {"RzToolButton37", 260, 96},  {"RzToolButton38", 260, 181}, {"RzToolButton39", 260, 266},
        {"RzToolButton40", 260, 352},
    };
    EXPECT_EQ(page.findChildren<QToolButton*>().size(), std::size(places));
    for (const auto& p : places) {
        auto* b = page.findChild<QToolButton*>(p.name);
        ASSERT_NE(b, nullptr) << p.name;
        EXPECT_EQ(b->geometry(), QRect(p.left, p.top, 71, 71)) << p.name;
        EXPECT_TRUE(b->text().isEmpty()) << p.name;
    }
}

TEST(ToolsPage, EachToolButtonOpensAFreshModalWindow)
{
    BuiltDbs dbs;
    NoticeRecorder notices;
    ToolsPage page;
    const struct { const char* button; const char* className; const char* title; } tools[] = {
        {"RzToolButton19", "Tfrmlove", "缘分测试 "},
        {"RzToolButton31", "TFrmWuxing", "五行查询(最多可以输入5个字)"},
        {"RzToolButton32", "TFrm_SJcs", "手机号码测算"},
        {"RzToolButton33", "TFrmQQhm", "QQ号码测试"},
        {"RzToolButton34", "TFrm_onther", "任意号码分析"},
        {"RzToolButton35", "TFrmWangming", "网名与性格"},
        {"RzToolButton36", "TFRM_Date", "嘉名日历"},
        {"RzToolButton13", "TFormHuangdao", "黄道吉日"},
        {"RzToolButton37", "TFrm_servers", "人工起名服务"},
    };
    for (const auto& t : tools) {
        page.findChild<QToolButton*>(t.button)->click();
        QWidget* window = openedModalWindow();
        ASSERT_NE(window, nullptr) << t.button;
        EXPECT_EQ(QString::fromLatin1(window->metaObject()->className()), t.className);
        EXPECT_EQ(window->windowTitle(), QString::fromUtf8(t.title));
        EXPECT_EQ(window->windowModality(), Qt::ApplicationModal) << t.button;
        EXPECT_TRUE(window->isVisible()) << t.button;
        closeForReal(window);
        EXPECT_EQ(openedModalWindow(), nullptr) << t.button;
    }
    EXPECT_TRUE(notices.notices.isEmpty()) << notices.notices.join(' ').toStdString();
}

TEST(ToolsPage, OpeningTwiceStartsFromTheDefaults)
{
    ToolsPage page;
    QStringList seen;
    for (int opening = 0; opening < 2; ++opening) {
        page.RzToolButton33->click();
        auto* box = openedModalWindow()->findChild<QLineEdit*>("edtmun");
        seen << box->text();
        QTest::keyClicks(box, "12345");
        QTest::mouseClick(openedModalWindow()->findChild<QPushButton*>("RzBitBtn2"), Qt::LeftButton);  // 关闭
        QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; });
    }
    EXPECT_EQ(seen, QStringList({"", ""}));
    // Each window was deleted when it closed: none is left under the page.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(page.window()->findChildren<NumberWindow*>().isEmpty());
}

TEST(ToolsPage, LinkButtonsOpenTheUserGuideAtItsSections)
{
    ToolsPage page;
    LinkRecorder recorder;
    NoticeRecorder notices;
    setUserGuidePath(QStringLiteral(JIAMING_BIN_DIR "/jiaming-guide.html"));
    page.RzToolButton38->click();
    page.RzToolButton39->click();
    page.RzToolButton40->click();
    setUserGuidePath(QString());
    const QUrl guide = QUrl::fromLocalFile(QStringLiteral(JIAMING_BIN_DIR "/jiaming-guide.html"));
    QUrl questions = guide, feedback = guide;
    questions.setFragment("questions");
    feedback.setFragment("feedback");
    EXPECT_EQ(recorder.links, (QList<QUrl>{questions, feedback, guide}));
    EXPECT_TRUE(notices.notices.isEmpty()) << notices.notices.join(' ').toStdString();
}

TEST(NumberWindows, TypingFilterAndEnter)
{
    TFrm_onther window;
    showActive(window);
    QTest::keyClicks(window.edtmun, "1a2-3 x");
    EXPECT_EQ(window.edtmun->text(), "123");
    QTest::keyClick(window.edtmun, Qt::Key_Backspace);
    QTest::keyClicks(window.edtmun, "456789");
    QTest::keyClick(window.edtmun, Qt::Key_Return);
    EXPECT_EQ(window.RzLabel11->text(), "12456789");
    EXPECT_EQ(window.RzLabel9->text(), "凶");  // 12456789 mod 80 = 69
    EXPECT_TRUE(window.RzLabel8->text().contains("高度戒备难交心型"));
}

TEST(NumberWindows, EmptyInputGivesEachWindowsMessage)
{
    NoticeRecorder notices;
    TFrmQQhm qq;
    TFrm_onther any;
    TFrm_SJcs mobile;
    for (NumberWindow* w : {static_cast<NumberWindow*>(&qq), static_cast<NumberWindow*>(&any),
                            static_cast<NumberWindow*>(&mobile)})
        w->RzBitBtn1->click();
    EXPECT_EQ(notices.notices, QStringList({"提示:请输入你的QQ号码！", "提示:请输入你的号码！", "提示:请输入11位手机号码！"}));
    EXPECT_EQ(qq.edtmun->maxLength(), 18);
    EXPECT_EQ(mobile.edtmun->maxLength(), 11);
}

TEST(NumberWindows, MobileTestsAtOnceWhenShownWithANumber)
{
    FixtureDbs dbs;
    dbs.exec(Db::Dream, "insert into shouji values ('34', '题', '吉', '文')");
    TFrm_SJcs window;
    window.edtmun->setText("13800001234");
    window.show();
    EXPECT_EQ(window.RzLabel11->text(), "13800001234");
    EXPECT_EQ(window.RzLabel10->text(), "题");
    // A file that cannot be read leaves the labels as they were.
    dbs.remove(Db::Dream);
    window.edtmun->setText("13800001235");
    window.RzBitBtn1->click();
    EXPECT_EQ(window.RzLabel11->text(), "13800001234");
    window.edtmun->setText("13800000160");
    window.RzBitBtn1->click();
    EXPECT_EQ(window.RzLabel8->text(), "超吉不做详细评论");
}

TEST(NumberWindows, TheMobileWindowReadsOnlyElevenDigits)
{
    FixtureDbs dbs;
    dbs.exec(Db::Dream, "insert into shouji values ('34', '题', '吉', '文')");
    NoticeRecorder notices;
    TFrm_SJcs window;
    showActive(window);
    QTest::keyClicks(window.edtmun, "13800001234");
    QTest::keyClick(window.edtmun, Qt::Key_Return);
    EXPECT_EQ(window.RzLabel9->text(), "吉");

    // "12" once read as 超吉; a pasted number with letters got past the typing filter.
    const struct { const char* number; const char* notice; } refused[] = {
        {"12", "提示:手机号码是11位数字，您输入了2位，请检查后重新输入！"},
        {"1380000abcd", "提示:手机号码只能由数字组成，请检查后重新输入！"},
    };
    for (const auto& r : refused) {
        notices.notices.clear();
        window.edtmun->setText(QString::fromUtf8(r.number));
        QTest::keyClick(window.edtmun, Qt::Key_Return);
        EXPECT_EQ(notices.notices, QStringList{QString::fromUtf8(r.notice)}) << r.number;
        for (QLabel* l : {window.RzLabel11, window.RzLabel10, window.RzLabel9, window.RzLabel8})
            EXPECT_TRUE(l->text().isEmpty()) << r.number << ": " << l->objectName().toStdString();
    }
}

TEST(NumberWindows, TheMobileWindowsNoteIsShownWhole)
{
    TFrm_SJcs window;
    showActive(window);
    auto* note = window.findChild<QLabel*>("mobileNote");
    ASSERT_NE(note, nullptr);
    EXPECT_GE(note->height(), note->heightForWidth(note->width()));
    EXPECT_LE(note->geometry().bottom(), window.height());
}

TEST(LoveWindow, EnterMovesOnAndTheButtonsTestAndReset)
{
    NoticeRecorder notices;
    Tfrmlove window;
    showActive(window);
    window.eYourName->setFocus();
    window.eYourName->setText("王");
    QTest::keyClick(window.eYourName, Qt::Key_Return);
    EXPECT_TRUE(window.eotherName->hasFocus());
    window.eotherName->setText("李");
    QTest::keyClick(window.eotherName, Qt::Key_Return);
    EXPECT_TRUE(window.lbl1->text().isEmpty());  // Enter never tests
    window.RzBitBtn1->click();
    EXPECT_EQ(window.lbl1->text(), "知心朋友 得分72分");

    window.RzBitBtn2->click();
    EXPECT_TRUE(window.eYourName->text().isEmpty() && window.eotherName->text().isEmpty() && window.lbl1->text().isEmpty());
    EXPECT_TRUE(window.eYourName->hasFocus());
    window.eotherName->setFocus();
    window.RzBitBtn1->click();
    EXPECT_EQ(notices.notices, QStringList({"提示:请输入你们的姓名！"}));
    EXPECT_TRUE(window.eYourName->hasFocus());
}

TEST(NetNameWindow, UpperCaseLimitAndEnter)
{
    NoticeRecorder notices;
    TFrmWangming window;
    showActive(window);
    QTest::keyClicks(window.edtmun, "abc3");
    EXPECT_EQ(window.edtmun->text(), "ABC3");
    QTest::keyClick(window.edtmun, Qt::Key_Return);
    EXPECT_EQ(window.RzLabel11->text(), "你的网名：ABC3");
    EXPECT_EQ(window.RzLabel8->text(), "你的性格：可爱，较明显的自恋");
    window.edtmun->clear();
    QTest::keyClicks(window.edtmun, "0123456789ABCDEFGHIJ");
    EXPECT_EQ(window.edtmun->text(), "0123456789ABCDEFGH");  // 18 bytes
    window.edtmun->setText(" ");
    window.RzBitBtn1->click();
    EXPECT_EQ(notices.notices, QStringList({"提示:请输入你的网名！"}));
}

TEST(WuxingWindow, ShowsTheElementsAndReportsAMissingFile)
{
    NoticeRecorder notices;
    FixtureDbs dbs;
    dbs.exec(Db::Velmora, "insert into word (zi, ft, bh, wuhang) values ('国', '國', 11, '木'), ('王', '王', 4, '土')");
    TFrmWuxing window;
    window.Reswu->setText("旧");
    window.RzBitBtn1->click();  // empty box: nothing changes
    EXPECT_EQ(window.Reswu->text(), "旧");
    window.Wuxing->setText("國王");
    window.RzBitBtn1->click();
    EXPECT_EQ(window.Reswu->text(), "木土");

    TFrmWuxing second;  // a window of its own opens the file afresh
    dbs.remove(Db::Velmora);
    second.Wuxing->setText("王");
    second.RzBitBtn1->click();
    ASSERT_EQ(notices.notices.size(), 1);
    EXPECT_FALSE(notices.notices[0].startsWith("提示:"));
    EXPECT_TRUE(second.Reswu->text().isEmpty());
}

TEST(ServiceWindow, OffersOnlyWhatTheProgramDoesForFree)
{
    TFrm_servers window;
    EXPECT_EQ(window.size(), QSize(420, 273));
    const QStringList texts = TFrm_servers::texts();
    ASSERT_EQ(texts.size(), 2 + 4 * 2);
    EXPECT_EQ(texts[0], "起名说明:");
    for (int offer = 0; offer < 4; ++offer) EXPECT_TRUE(texts[2 + 2 * offer].contains("免费")) << offer;
    for (const QString& t : texts) {
        bool shown = false;
        for (QLabel* l : window.findChildren<QLabel*>()) shown |= l->text() == t;
        EXPECT_TRUE(shown) << t.toStdString();
    }
}

namespace {

TEST(ToolsPage, OmenButtonsOpenModelessWindowsOnTheirPages)
{
    ToolsPage page;
    const struct { const char* button; const char* caption; int page; } omens[] = {
        {"RzToolButton25", "打喷嚏占卜吉凶", 0}, {"RzToolButton26", "面热测吉凶", 1}, {"RzToolButton27", "心惊测吉凶", 2},
        {"RzToolButton28", "犬吠测吉凶", 3},     {"RzToolButton29", "眼跳测吉凶", 4}, {"RzToolButton30", "耳热测吉凶", 5},
        {"RzToolButton24", "耳鸣测吉凶", 6},
    };
    for (const auto& o : omens) page.findChild<QToolButton*>(o.button)->click();

    QList<TFormOnther*> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* omen = qobject_cast<TFormOnther*>(w); omen && omen->isVisible()) windows << omen;
    ASSERT_EQ(windows.size(), qsizetype(std::size(omens)));  // all open at once
    for (const auto& o : omens) {
        const auto found = std::find_if(windows.begin(), windows.end(),
                                        [&](TFormOnther* w) { return w->windowTitle() == QString::fromUtf8(o.caption); });
        ASSERT_NE(found, windows.end()) << o.caption;
        EXPECT_EQ((*found)->RzPageControl1->currentIndex(), o.page) << o.caption;
        EXPECT_FALSE((*found)->isModal());
    }
    for (TFormOnther* w : windows) w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

#include "tools_page_test.moc"
