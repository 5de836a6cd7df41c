// TabSheet1, the baby-naming page: the options of the three naming modes, the stroke plans, the
// classic search on its worker thread, the all-names pane and the pair of result lists. The page
// reads its controls and calls the plain functions of naming/; the lines of a running search arrive
// in batches from TMythread and are placed here, on the user-interface thread.
#pragma once

#include "app/birth_row.h"
#include "naming/classic_search.h"
#include "naming/classic_search_run.h"
#include "naming/list_pager.h"
#include "naming/list_result.h"
#include "naming/naming_state.h"
#include "naming/search_progress.h"

#include <QRandomGenerator>
#include <QWidget>
#include <memory>
#include <optional>

class ElementSourceBox;
class NameListPair;
class RecommendedList;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableWidget;
class QTimer;
class TMythread;

class NamingPage : public QWidget {
    Q_OBJECT
public:
    explicit NamingPage(NamingState& state, QWidget* parent = nullptr);
    ~NamingPage() override;

    // "基本信息": the surname and the birth-input row.
    BirthRow birthRow;
    QLineEdit* Xing;
    QComboBox *CBsex, *ComDate, *SYear, *SMonth, *Sday, *Shour, *CBFen;
    // "优选方案"
    QComboBox *CBXingshi, *CBCode, *CBdijizi;
    QLineEdit* Gudingzi;
    QCheckBox* CBwuxing;
    ElementSourceBox* elementSource;  // which elements CBwuxing matches, for every naming mode
    // "设定分数"
    QCheckBox* CBFeeXX;
    QLineEdit* ZuidiFee;
    QCheckBox* CBInitFee;
    QLineEdit* Sorcss;
    QLabel* hintLabel;
    // "起名方式"
    QRadioButton *RzRadioButton6, *RzRadioButton7, *RzRadioButton9;
    QPushButton *RzBitBtn5, *RzBitBtn2, *RzBitBtn4;
    // The result area: all names (or the list-mode grid) on the left, the lists on the right.
    QPlainTextEdit* MemoSuccess;
    QTableWidget* RzStringGrid1;
    NameListPair* RzPageControl2;
    QListView *ListBox1, *ListBox2;
    QPushButton *BtnFuzhi, *RzBitBtn24, *RzBitBtn29, *RzBitBtn30;
    // The third tab, "推荐名字": the best names of the last search of any mode.
    RecommendedList* recommendedList;
    QLabel* searchStatus;  // whether a search runs, and how many names it has found

    // The running or last classic worker; none before the first start.
    TMythread* worker() const { return worker_.get(); }
    bool searchRunning() const;  // from a start until the worker's last line is placed or dropped

signals:
    void searchEnded();  // the lines of a classic search are all placed

public slots:
    void XingExit();
    void CBXingshiChange();
    void CBdijiziChange();
    void CBsexChange();
    void CBFeeXXClick();
    void GudingziExit();
    void ZuidiFeeExit();
    void SorcssExit();
    void RzBitBtn5Click();  // "马上起名"
    void RzBitBtn2Click();  // "停止起名"
    void RzStringGrid1DblClick();
    void RzRadioButton6Click();  // the classic mode: the all-names pane, "停止起名"
    void RzRadioButton7Click();  // the list and idiom modes: the grid, "继续显示"

    void FillStrokePlans();
    // Places name lines of the running search: picks them, fills the rows of the pane.
    void PlaceNameLines(const QStringList& lines);

private:
    void buildOptions();
    void buildResults();
    void setUpResultGrid();
    std::optional<ClassicSearchOptions> classicOptions();
    void rebuildPlansIfStale();
    void follow(ClassicSearchRun::Step step);
    void startClassic(const ClassicSearchOptions& options);
    void stopWorker();
    void queueLines(const QStringList& lines);
    void placeQueuedLines();
    void workerEnded();
    void classicDone();
    void showProgress(qsizetype found, SearchProgress progress);
    std::optional<int> pickScore() const;
    // The list and idiom modes: the start, and "继续显示" for their next page of results.
    void runListMode();
    void runIdiomMode();
    void showNextListPage();

    NamingState& state_;
    std::unique_ptr<TMythread> worker_;
    ClassicSearchOptions runningOptions_;               // the search whose lines the page is placing
    ClassicSearchRun run_;
    bool workerFinished_ = false;  // the worker's finished signal has arrived: it sends no more lines
    qsizetype placedCount_ = 0;    // lines of this run placed so far
    bool statusIsClassic_ = false; // the status line tells of the classic search, not of a list mode
    QString plansSurname_;         // the surname the stroke plans were built for
    // Lines the worker has sent and the page has not placed yet. The page places them a slice at a
    // time, so that clicks and painting get their turn however fast the worker runs.
    QStringList queued_;
    qsizetype queuedAt_ = 0;
    QTimer* placeTimer_;

    // The open result of the list and idiom modes and the pages drawn from it. A classic search
    // closes it, so that "继续显示" draws nothing until these modes have run again.
    void runListSearch(ListMode mode);
    std::optional<ListResult> listResult_;
    ListPager listPager_;
    ListMode listMode_ = ListMode::List;
    QRandomGenerator listRandom_ = QRandomGenerator::securelySeeded();
};
