#include "frm_index.h"

#include "app/drag_strip.h"
#include "app/exit_sequence.h"
#include "app/naming/poem_page.h"
#include "app/naming/name_list_pair.h"
#include "app/naming/naming_page.h"
#include "app/program_links.h"
#include "app/skin.h"
#include "data/db_files.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPainter>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <cstdlib>

TFrmIndex::TFrmIndex(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    endProcess = [] { std::_Exit(0); };
    setObjectName(QStringLiteral("TFrmIndex"));
    setWindowTitle(QStringLiteral("嘉名"));
    setFixedSize(kWindowWidth, kWindowHeight);
    background_ = paintMainBackground();

    // Bound to Velmora.dll; nothing is opened until a naming page runs a statement.
    ADOTem = std::make_unique<Query>(Db::Velmora, 60);
    ADOFenxi = std::make_unique<Query>(Db::Velmora, 30);

    buildToolbar();
    buildPages();

    for (QTabWidget* pages : {RzPageControl1, static_cast<QTabWidget*>(namingPage->RzPageControl2)}) pages->setCurrentIndex(0);
    naming_.ListPageSize = NamingState::kListPageSize;

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TFrmIndex::~TFrmIndex()
{
    // The naming page's worker reads the stop flag in naming_, which is destroyed before the child
    // widgets are: end the page, and with it the worker, first.
    delete namingPage;
}

void TFrmIndex::buildToolbar()
{
    Image4 = new DragStrip(this);
    Image4->setObjectName(QStringLiteral("Image4"));
    Image4->setGeometry(0, 0, 663, 18);

    const auto faces = toolbarFaces();
    const struct { QToolButton** button; const char* name; const char16_t* hint; void (TFrmIndex::*click)(); } large[] = {
        {&RzToolButton2, "RzToolButton2", u"宝宝取名：输入基本信息后自动取名", &TFrmIndex::RzToolButton2Click},
        {&RzToolButton1, "RzToolButton1", u"姓名详细分析及评分", &TFrmIndex::RzToolButton1Click},
        {&RzToolButton3, "RzToolButton3", u"八字简易分析及取名建议", &TFrmIndex::RzToolButton3Click},
        {&RzToolButton4, "RzToolButton4", u"英文名字参考大全", &TFrmIndex::RzToolButton4Click},
        {&RzToolButton5, "RzToolButton5", u"自动根据出生日期时间取小名", &TFrmIndex::RzToolButton5Click},
        {&RzToolButton6, "RzToolButton6", u"根据诗词或成语或自己输入文字内容参与搭配起名", &TFrmIndex::RzToolButton6Click},
        {&RzToolButton7, "RzToolButton7", u"取名知识及方法参考", &TFrmIndex::RzToolButton7Click},
        {&RzToolButton8, "RzToolButton8", u"缘分测试、民俗预测及吉祥数字等功能", &TFrmIndex::RzToolButton8Click},
        {&RzToolButton9, "RzToolButton9", u"官方网站", &TFrmIndex::RzToolButton9Click},
        {&RzToolButton10, "RzToolButton10", u"关于我们", &TFrmIndex::RzToolButton10Click},
    };
    auto makeButton = [this](QToolButton** slot, const char* name, const char16_t* hint, const QRect& rect,
                             void (TFrmIndex::*click)()) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(name));
        button->setToolTip(QString::fromUtf16(hint));
        button->setGeometry(rect);
        button->setAutoRaise(true);
        button->setCursor(Qt::PointingHandCursor);
        // Transparent: the face is part of the background picture.
        button->setStyleSheet(QStringLiteral("QToolButton { background: transparent; border: none; }"
                                             "QToolButton:hover { background: rgba(255, 240, 200, 40); }"));
        connect(button, &QToolButton::clicked, this, click);
        *slot = button;
    };
    for (size_t i = 0; i < std::size(large); ++i)
        makeButton(large[i].button, large[i].name, large[i].hint, faces[i].rect, large[i].click);
    makeButton(&RzToolButton11, "RzToolButton11", u"最小化", minimiseButtonRect(), &TFrmIndex::RzToolButton11Click);
    makeButton(&RzToolButton12, "RzToolButton12", u"关闭", closeButtonRect(), &TFrmIndex::RzToolButton12Click);
}

void TFrmIndex::paintEvent(QPaintEvent*)
{
    QPainter(this).drawPixmap(0, 0, background_);
}

void TFrmIndex::showPage(QWidget* page)
{
    RzPageControl1->setCurrentWidget(page);
}

void TFrmIndex::RzToolButton2Click() { showPage(TabSheet1); }
void TFrmIndex::RzToolButton1Click() { showPage(TabSheet3); }
void TFrmIndex::RzToolButton3Click() { showPage(TabSheet2); }
void TFrmIndex::RzToolButton4Click() { showPage(TabSheet4); }
void TFrmIndex::RzToolButton5Click() { showPage(TabSheet5); }
void TFrmIndex::RzToolButton6Click()
{
    showPage(TabSheet6);
    poemPage->RzBitBtn42Click();  // the tree is always filled afresh when the page opens
}
void TFrmIndex::RzToolButton7Click() { showPage(TabSheet10); }
void TFrmIndex::RzToolButton8Click() { showPage(TabSheet9); }
void TFrmIndex::RzToolButton10Click() { showPage(TabSheet8); }

void TFrmIndex::RzToolButton9Click()
{
    openProgramLink(this, officialSiteUrl());
}

void TFrmIndex::RzToolButton11Click()
{
    showMinimized();
}

void TFrmIndex::RzToolButton12Click()
{
    ADOTem->release();
    ADOFenxi->release();
    ADOFenxi.reset(new Query(Db::Velmora, 30));  // unbound: no file is held any more
    deleteLockFiles(databaseDirectory(), fullExitLockFiles());
    QCoreApplication::quit();
    exitCleanup();
}

void TFrmIndex::RzBitBtn4Click()
{
    exitCleanup();
}

void TFrmIndex::exitCleanup()
{
    deleteLockFiles(databaseDirectory(), cleanupLockFiles());
    endProcess();
}

void TFrmIndex::closeEvent(QCloseEvent* event)
{
    // Closed by the system: an ordinary end; the lock files stay where they are.
    ADOTem->release();
    ADOFenxi->release();
    event->accept();
}
