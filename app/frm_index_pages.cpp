// The pages of the main window, in their order in RzPageControl1. Each page is a class of its own
// under the folder of the subsystem it shows; the about page alone is built here.
#include "frm_index.h"

#include "app/calendar/bazi_page.h"
#include "app/naming/naming_page.h"
#include "app/naming/poem_page.h"
#include "app/naming/english_names_page.h"
#include "app/naming/nickname_page.h"
#include "app/numerology/name_page.h"
#include "app/reference/knowledge_page.h"
#include "app/skin.h"
#include "app/tools/tools_page.h"

#include <QBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
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
    TabSheet3 = namePage = addPageOf<NamePage>(RzPageControl1, "TabSheet3", QStringLiteral("姓名分析"));
    TabSheet2 = baziPage = addPageOf<BaziPage>(RzPageControl1, "TabSheet2", QStringLiteral("八字分析"));
    TabSheet4 = englishNamesPage = addPageOf<EnglishNamesPage>(RzPageControl1, "TabSheet4", QStringLiteral("英文名字"));
    TabSheet5 = nicknamePage = addPageOf<NicknamePage>(RzPageControl1, "TabSheet5", QStringLiteral("宝宝小名"));
    poemPage = new PoemPage(naming_, [this] { RzToolButton2->click(); }, RzPageControl1);
    RzPageControl1->addTab(poemPage, QStringLiteral("诗词起名"));
    TabSheet6 = poemPage;
    // The poem page's "停止起名" is the naming page's stop button, whatever search is running.
    disconnect(poemPage->RzBitBtn31, &QPushButton::clicked, poemPage, nullptr);
    connect(poemPage->RzBitBtn31, &QPushButton::clicked, namingPage, &NamingPage::RzBitBtn2Click);
    TabSheet8 = addPage(RzPageControl1, "TabSheet8", QStringLiteral("关于我们"));
    TabSheet9 = toolsPage = new ToolsPage(RzPageControl1);
    RzPageControl1->addTab(toolsPage, QStringLiteral("民俗工具"));
    TabSheet10 = knowledgePage = addPageOf<KnowledgePage>(RzPageControl1, "TabSheet10", QStringLiteral("起名知识"));

    buildAboutPage();
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
