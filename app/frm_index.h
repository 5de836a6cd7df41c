// The main window: borderless, with a drawn toolbar over a stack of pages whose tab row is never
// shown. Pages change only through the toolbar and the pages' own buttons. The window owns the two
// query objects of the naming pages and the state those pages share.
#pragma once

#include "app/birth_row.h"
#include "app/report_saving.h"
#include "data/query.h"
#include "naming/naming_state.h"

#include <QWidget>
#include <functional>
#include <memory>

class DragStrip;
class EnglishNamesPage;
class KnowledgePage;
class NicknamePage;
class NamingPage;
class PoemPage;
class QPlainTextEdit;
class QPushButton;
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

    BirthRow birthRow3, birthRow2;
    PoemPage* poemPage;  // TabSheet6

    // The reference pages: TabSheet4 (English names), TabSheet5 (nicknames), TabSheet10 (knowledge).
    EnglishNamesPage* englishNamesPage = nullptr;
    NicknamePage* nicknamePage = nullptr;
    KnowledgePage* knowledgePage = nullptr;

    // TabSheet2, the bazi analysis: the report is assembled in the hidden REbazi and copied into
    // Memo1 only when complete, so Memo1 shows a whole report or keeps the one it had.
    QPushButton *RzButton2, *RzBitBtn8;
    QPlainTextEdit *Memo1, *REbazi;
    SavePathAsker askSavePath = defaultSavePathAsker();

    // TabSheet3, the detailed name analysis.
    QPushButton* RzButton1;
    QPlainTextEdit* RzMemo1;

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
    void RzButton1Click();  // "分析" on TabSheet3
    void RzButton2Click();  // "分析" on TabSheet2
    void RzBitBtn8Click();  // "保存" on TabSheet2

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildToolbar();
    void buildPages();
    void buildNameAnalysisPage();
    void buildBaziPage();
    void buildAboutPage();
    void exitCleanup();

    QPixmap background_;
    NamingState naming_;
};
