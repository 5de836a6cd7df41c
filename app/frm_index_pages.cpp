// The pages of the main window. Each page gets its birth-input row here; the subsystems that own a
// page add the rest of its controls.
#include "frm_index.h"

#include "app/app_font.h"
#include "app/naming/naming_page.h"
#include "app/naming/poem_page.h"
#include "app/naming/english_names_page.h"
#include "app/naming/nickname_page.h"
#include "app/reference/knowledge_page.h"
#include "app/skin.h"
#include "app/tools/tools_page.h"

#include <QBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>

namespace {

QWidget* addPage(QTabWidget* pages, const char* name, const QString& title)
{
    auto* page = new QWidget(pages);
    page->setObjectName(QString::fromLatin1(name));
    pages->addTab(page, title);
    return page;
}

// A page that is a class of its own.
template <class Page>
Page* addPageOf(QTabWidget* pages, const char* name, const QString& title)
{
    auto* page = new Page(pages);
    page->setObjectName(QString::fromLatin1(name));
    pages->addTab(page, title);
    return page;
}

QTabWidget* addInnerPages(QWidget* parent, const char* name, const QStringList& tabs)
{
    auto* pages = new QTabWidget(parent);
    pages->setObjectName(QString::fromLatin1(name));
    for (const QString& tab : tabs) pages->addTab(new QWidget(pages), tab);
    return pages;
}

// A read-only report pane in the report font.
QPlainTextEdit* addReportPane(QWidget* parent, QVBoxLayout* page, const char* name)
{
    auto* pane = new QPlainTextEdit(parent);
    pane->setObjectName(QString::fromLatin1(name));
    pane->setReadOnly(true);
    pane->setFont(reportFont());
    page->addWidget(pane);
    return pane;
}

QHBoxLayout* topBar(QVBoxLayout* page)
{
    auto* bar = new QHBoxLayout;
    bar->setSpacing(4);
    page->addLayout(bar);
    return bar;
}

QString aboutText()
{
    return QStringLiteral(
        "嘉名\n\n"
        "嘉名是一款为新生宝宝起名、为姓名评分、为生辰排四柱八字的桌面软件。\n\n"
        "它按五格笔画数理、三才配置与八十一数理分析姓名，结合出生时间排出年、月、日、时四柱，"
        "并可从诗词、成语或任意文字中挑选用字，帮父母找到音、形、义俱佳的名字。\n\n"
        "软件中的数理解说、三才解读与民俗测算均为传统文化参考，请勿迷信。\n\n"
        "网站：%1\n").arg(officialSiteUrl());
}

}  // namespace

void TFrmIndex::buildPages()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("RzPanel1"));
    panel->setGeometry(pagePanelRect());
    RzPageControl1 = new QTabWidget(panel);
    RzPageControl1->setObjectName(QStringLiteral("RzPageControl1"));
    RzPageControl1->setGeometry(0, 0, panel->width(), panel->height());
    // Pages change only through the toolbar and the pages' buttons: the tab row is never shown.
    RzPageControl1->tabBar()->hide();
    RzPageControl1->setDocumentMode(true);

    TabSheet1 = namingPage = new NamingPage(naming_, RzPageControl1);
    RzPageControl1->addTab(namingPage, QStringLiteral("宝宝取名"));
    connect(namingPage->RzBitBtn4, &QPushButton::clicked, this, &TFrmIndex::RzBitBtn4Click);
    TabSheet3 = addPage(RzPageControl1, "TabSheet3", QStringLiteral("姓名分析"));
    TabSheet2 = addPage(RzPageControl1, "TabSheet2", QStringLiteral("八字分析"));
    TabSheet4 = englishNamesPage = addPageOf<EnglishNamesPage>(RzPageControl1, "TabSheet4", QStringLiteral("英文名字"));
    TabSheet5 = nicknamePage = addPageOf<NicknamePage>(RzPageControl1, "TabSheet5", QStringLiteral("宝宝小名"));
    poemPage = new PoemPage(naming_, [this] { RzToolButton2->click(); }, RzPageControl1);
    RzPageControl1->addTab(poemPage, QStringLiteral("诗词起名"));
    TabSheet6 = poemPage;
    // The poem page's "停止起名" stops the poem search only: in a list mode the naming page's own
    // button means "继续显示", and its classic search belongs to that page.
    TabSheet8 = addPage(RzPageControl1, "TabSheet8", QStringLiteral("关于我们"));
    TabSheet9 = toolsPage = new ToolsPage(RzPageControl1);
    RzPageControl1->addTab(toolsPage, QStringLiteral("民俗工具"));
    TabSheet10 = knowledgePage = addPageOf<KnowledgePage>(RzPageControl1, "TabSheet10", QStringLiteral("起名知识"));

    buildNameAnalysisPage();
    buildBaziPage();
    buildAboutPage();
}

void TFrmIndex::buildNameAnalysisPage()
{
    auto* page = new QVBoxLayout(TabSheet3);
    auto* bar = topBar(page);
    birthRow3 = addBirthRow(TabSheet3, bar,
                            {QStringLiteral("Xing3"), QStringLiteral("NameB3"), QStringLiteral("CBsex3"),
                             QStringLiteral("ComDate3"), QStringLiteral("SYear3"), QStringLiteral("SMonth3"),
                             QStringLiteral("Sday3"), QStringLiteral("Shour3"), QStringLiteral("CBFen3")});
    RzButton1 = new QPushButton(QStringLiteral("分析"), TabSheet3);
    RzButton1->setObjectName(QStringLiteral("RzButton1"));
    connect(RzButton1, &QPushButton::clicked, this, &TFrmIndex::RzButton1Click);
    bar->addWidget(RzButton1);
    bar->addStretch();
    RzMemo1 = addReportPane(TabSheet3, page, "RzMemo1");
    RzMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void TFrmIndex::buildBaziPage()
{
    auto* page = new QVBoxLayout(TabSheet2);
    auto* bar = topBar(page);
    birthRow2 = addBirthRow(TabSheet2, bar,
                            {QStringLiteral("Xing2"), QStringLiteral("NameB2"), QStringLiteral("CBsex2"),
                             QStringLiteral("ComDate2"), QStringLiteral("SYear2"), QStringLiteral("SMonth2"),
                             QStringLiteral("Sday2"), QStringLiteral("Shour2"), QStringLiteral("CBFen2")});
    auto addButton = [&](const char* name, const QString& text, void (TFrmIndex::*slot)()) {
        auto* button = new QPushButton(text, TabSheet2);
        button->setObjectName(QString::fromLatin1(name));
        connect(button, &QPushButton::clicked, this, slot);
        bar->addWidget(button);
        return button;
    };
    RzButton2 = addButton("RzButton2", QStringLiteral("分析"), &TFrmIndex::RzButton2Click);
    RzBitBtn8 = addButton("RzBitBtn8", QStringLiteral("保存"), &TFrmIndex::RzBitBtn8Click);
    bar->addStretch();
    Memo1 = addReportPane(TabSheet2, page, "Memo1");
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    REbazi = new QPlainTextEdit(TabSheet2);
    REbazi->setObjectName(QStringLiteral("REbazi"));
    REbazi->hide();
}

void TFrmIndex::buildAboutPage()
{
    auto* page = new QVBoxLayout(TabSheet8);
    RzMemo3 = new QPlainTextEdit(TabSheet8);
    RzMemo3->setObjectName(QStringLiteral("RzMemo3"));
    RzMemo3->setReadOnly(true);
    RzMemo3->setPlainText(aboutText());
    page->addWidget(RzMemo3);
}
