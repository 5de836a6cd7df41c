// The poem and text naming page (TabSheet6 of the main window): the birth inputs and the naming
// options on top, the poem browser with the selection box on the left, and the name lists on the
// right. The browser walks the poem library and copies whole poems into the selection box; "马上起名"
// draws names from whatever text stands there.
#pragma once

#include "app/birth_row.h"
#include "naming/naming_state.h"

#include <QWidget>
#include <functional>

class NameListPair;
class RecommendedList;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;

class PoemPage : public QWidget {
    Q_OBJECT
public:
    // state: the naming state of the main window (stop flag, missing elements); backToNaming performs
    // the toolbar button of the classic naming page.
    PoemPage(NamingState& state, std::function<void()> backToNaming, QWidget* parent = nullptr);

    // Top panel.
    BirthRow birthRow;  // Xing5, CBsex5, CBDate5, SYear5, SMonth5, Sday5, Shour5, CBFen5
    QLineEdit* Xing5;
    QComboBox* CBXingshi5;  // "双字名" (0), "单字名" (1)
    QCheckBox* CBSGBZ;      // "根据八字五行匹配取名"
    QPushButton *RzBitBtn33, *RzBitBtn31, *RzBitBtn34;  // "马上起名", "停止起名", "返回起名"

    // The poem browser.
    QTabWidget* RzPageControl4;
    QWidget *RzTabSheet3, *RzTabSheet4;
    QTreeWidget *TreeViewInit, *RzTreeView1;
    QPlainTextEdit* MemoSgnr;
    QLineEdit* EditTiaojian;
    QPushButton *RzBitBtn41, *RzBitBtn42, *RzBitBtn40, *RzBitBtn39;  // 查找, 显示所有, 添加到已选, 清空已选
    QPlainTextEdit* MemoYixuan;

    // The name lists: ListBox3 and ListBox4 with RzBitBtn35 … RzBitBtn38, and the source of the
    // selected name under them.
    NameListPair* RzPageControl3;
    // "推荐名字": the names of the last search best first by their 音形义 judgement.
    RecommendedList* recommendedList;
    QLabel* LabelChuchu;

public slots:
    void RzBitBtn33Click();
    void RzBitBtn31Click();
    void RzBitBtn34Click();
    void BuildPoemTree(const QString& filter);
    void TreeViewInitClick();
    void RzTreeView1Click();
    void RzBitBtn41Click();
    void RzBitBtn42Click();
    void RzBitBtn40Click();
    void RzBitBtn39Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildTopPanel();
    QWidget* buildBrowser();
    QWidget* buildLists();
    void showSourceOf(const QString& line);

    NamingState& state_;
    std::function<void()> backToNaming_;
};
