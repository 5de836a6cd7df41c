// The main window: borderless, with a drawn toolbar over a stack of pages whose tab row is never
// shown. Pages change only through the toolbar and the pages' own buttons. The window owns the two
// query objects of the naming pages and the state those pages share.
#pragma once

#include "data/query.h"
#include "naming/naming_state.h"

#include <QWidget>
#include <functional>
#include <memory>

class BaziPage;
class DragStrip;
class EnglishNamesPage;
class KnowledgePage;
class NamePage;
class NicknamePage;
class NamingPage;
class PoemPage;
class QPlainTextEdit;
class QTabWidget;
class QToolButton;
class ToolsPage;

class TFrmIndex : public QWidget {
    Q_OBJECT
public:
    explicit TFrmIndex(QWidget* parent = nullptr);
    ~TFrmIndex() override;

    // How the process ends at the close buttons: at once, without closing windows, so that a running
    // name search simply ends with it. Tests replace it to watch the exit without dying.
    std::function<void()> endProcess;

    void showPage(QWidget* page);
    NamingState& namingState() { return naming_; }

    // Toolbar.
    QToolButton *RzToolButton1, *RzToolButton2, *RzToolButton3, *RzToolButton4, *RzToolButton5, *RzToolButton6,
        *RzToolButton7, *RzToolButton8, *RzToolButton9, *RzToolButton10, *RzToolButton11, *RzToolButton12;
    DragStrip* Image4;

    // Pages, in their order in RzPageControl1.
    QTabWidget* RzPageControl1;
    QWidget *TabSheet1, *TabSheet3, *TabSheet2, *TabSheet4, *TabSheet5, *TabSheet6, *TabSheet8, *TabSheet9,
        *TabSheet10;
    QPlainTextEdit* RzMemo3;
    ToolsPage* toolsPage;  // TabSheet9

    // TabSheet1, the baby-naming page, with its options, searches and result lists.
    NamingPage* namingPage;

    NamePage* namePage;  // TabSheet3, the detailed name analysis
    BaziPage* baziPage;  // TabSheet2, the bazi analysis
    PoemPage* poemPage;  // TabSheet6

    // The reference pages: TabSheet4 (English names), TabSheet5 (nicknames), TabSheet10 (knowledge).
    EnglishNamesPage* englishNamesPage = nullptr;
    NicknamePage* nicknamePage = nullptr;
    KnowledgePage* knowledgePage = nullptr;

    // Window-owned queries on Velmora.dll; bound now, first opened by the naming pages.
    std::unique_ptr<Query> ADOTem, ADOFenxi;

public slots:
    void RzToolButton1Click();
    void RzToolButton2Click();
    void RzToolButton3Click();
    void RzToolButton4Click();
    void RzToolButton5Click();
    void RzToolButton6Click();
    void RzToolButton7Click();
    void RzToolButton8Click();
    void RzToolButton9Click();
    void RzToolButton10Click();
    void RzToolButton11Click();
    void RzToolButton12Click();
    void RzBitBtn4Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildToolbar();
    void buildPages();
    void buildAboutPage();
    void exitCleanup();

    QPixmap background_;
    NamingState naming_;
};

// The web address opened by "官方网站".
QString officialSiteUrl();
