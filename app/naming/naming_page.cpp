#include "naming_page.h"

#include "app/app_font.h"
#include "app/naming/name_list_model.h"
#include "app/naming/element_source_box.h"
#include "app/naming/name_list_pair.h"
#include "app/naming/recommended_list.h"
#include "app/naming/tmythread.h"
#include "app/notice.h"
#include "calendar/missing_elements.h"
#include "naming/name_placement.h"
#include "naming/name_row.h"
#include "naming/preferred_elements.h"
#include "naming/stroke_plans.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>

namespace {

constexpr int kDefaultMinimumScore = 70;
constexpr int kRepairedPickScore = 95;  // what a pick score that is no number becomes
constexpr int kStopButtonPauseMs = 2000;
constexpr int kLinesPerSlice = 1500;  // about 10 ms of placing and painting

// The small captioned panel that heads a row of options.
QHBoxLayout* optionRow(QWidget* parent, QVBoxLayout* page, const QString& caption)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    auto* head = new QLabel(caption, parent);
    head->setFrameStyle(QFrame::Panel | QFrame::Raised);
    head->setFixedWidth(60);
    head->setAlignment(Qt::AlignCenter);
    row->addWidget(head);
    page->addLayout(row);
    return row;
}

QLineEdit* scoreBox(QWidget* parent, const char* name, const QString& text)
{
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setMaxLength(2);
    box->setFixedWidth(28);
    return box;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption, bool checked)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(checked);
    return box;
}

void addAll(QBoxLayout* row, std::initializer_list<QWidget*> widgets)
{
    for (QWidget* w : widgets) row->addWidget(w);
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

// A box's trimmed text, when it is a whole number.
std::optional<int> numberIn(const QLineEdit* box)
{
    bool ok = false;
    const int n = box->text().trimmed().toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

// Non-numeric text becomes the repair value; empty text stays empty.
void repairNumber(QLineEdit* box, int repaired)
{
    if (!box->text().trimmed().isEmpty() && !numberIn(box)) box->setText(QString::number(repaired));
}

}  // namespace

NamingPage::NamingPage(NamingState& state, QWidget* parent) : QWidget(parent), state_(state)
{
    setObjectName(QStringLiteral("TabSheet1"));
    placeTimer_ = new QTimer(this);
    placeTimer_->setInterval(0);
    connect(placeTimer_, &QTimer::timeout, this, &NamingPage::placeQueuedLines);
    buildOptions();
    buildResults();
    setUpResultGrid();
}

NamingPage::~NamingPage()
{
    state_.searching = false;  // the worker stops before its next row; its destructor waits for that
}

void NamingPage::buildOptions()
{
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(2, 2, 2, 2);
    page->setSpacing(3);

    auto* basics = optionRow(this, page, QStringLiteral("基本信息"));
    birthRow = addBirthRow(this, basics,
                           {QStringLiteral("Xing"), QString(), QStringLiteral("CBsex"), QStringLiteral("ComDate"),
                            QStringLiteral("SYear"), QStringLiteral("SMonth"), QStringLiteral("Sday"),
                            QStringLiteral("Shour"), QStringLiteral("CBFen")},
                           QDate::currentDate());  // a baby is named soon after its birth
    basics->addStretch();
    Xing = birthRow.surname;
    CBsex = birthRow.sex;
    ComDate = birthRow.calendarKind;
    SYear = birthRow.year;
    SMonth = birthRow.month;
    Sday = birthRow.day;
    Shour = birthRow.hour;
    CBFen = birthRow.minute;

    auto* plans = optionRow(this, page, QStringLiteral("优选方案"));
    plans->addWidget(new QLabel(QStringLiteral("字数"), this));
    CBXingshi = new QComboBox(this);
    CBXingshi->setObjectName(QStringLiteral("CBXingshi"));
    CBXingshi->addItems({QStringLiteral("双字名"), QStringLiteral("单字名")});
    plans->addWidget(CBXingshi);
    CBCode = new QComboBox(this);
    CBCode->setObjectName(QStringLiteral("CBCode"));
    CBCode->addItem(kAutomaticPlan);
    CBCode->setCurrentIndex(-1);  // nothing chosen until the first plan list is built
    CBCode->setMinimumWidth(130);
    CBCode->setMaxVisibleItems(20);
    plans->addWidget(CBCode);
    plans->addWidget(new QLabel(QStringLiteral("固定为"), this));
    Gudingzi = new QLineEdit(this);
    Gudingzi->setObjectName(QStringLiteral("Gudingzi"));
    Gudingzi->setMaxLength(1);
    Gudingzi->setFixedWidth(28);
    plans->addWidget(Gudingzi);
    CBdijizi = new QComboBox(this);
    CBdijizi->setObjectName(QStringLiteral("CBdijizi"));
    CBdijizi->addItems({QStringLiteral("第二字"), QStringLiteral("第三字")});
    plans->addWidget(CBdijizi);
    CBwuxing = checkBox(this, "CBwuxing", QStringLiteral("自动根据八字五行匹配取名"), false);
    plans->addWidget(CBwuxing);
    elementSource = new ElementSourceBox(state_.elementChoice, this);
    plans->addWidget(elementSource);
    plans->addStretch();

    auto* scores = optionRow(this, page, QStringLiteral("设定分数"));
    CBFeeXX = checkBox(this, "CBFeeXX", QStringLiteral("只起"), true);
    ZuidiFee = scoreBox(this, "ZuidiFee", QString::number(kDefaultMinimumScore));
    CBInitFee = checkBox(this, "CBInitFee", QStringLiteral("自动挑选"), true);
    Sorcss = scoreBox(this, "Sorcss", QStringLiteral("75"));
    addAll(scores, {CBFeeXX, ZuidiFee, new QLabel(QStringLiteral("分以上名字"), this), CBInitFee, Sorcss,
                    new QLabel(QStringLiteral("分以上名字"), this)});
    hintLabel = new QLabel(QStringLiteral("提示：双击高分名字列表查看详细分析"), this);
    hintLabel->setStyleSheet(QStringLiteral("color: #a00000;"));
    scores->addSpacing(12);
    scores->addWidget(hintLabel);
    searchStatus = new QLabel(this);
    searchStatus->setObjectName(QStringLiteral("searchStatus"));
    scores->addSpacing(12);
    scores->addWidget(searchStatus);
    scores->addStretch();

    auto* modes = optionRow(this, page, QStringLiteral("起名方式"));
    RzRadioButton6 = new QRadioButton(QStringLiteral("经典模式高分起名"), this);
    RzRadioButton6->setObjectName(QStringLiteral("RzRadioButton6"));
    RzRadioButton6->setChecked(true);
    RzRadioButton7 = new QRadioButton(QStringLiteral("列表模式详细起名"), this);
    RzRadioButton7->setObjectName(QStringLiteral("RzRadioButton7"));
    RzRadioButton9 = new QRadioButton(QStringLiteral("成语模式寓意起名"), this);
    RzRadioButton9->setObjectName(QStringLiteral("RzRadioButton9"));
    RzBitBtn5 = button(this, "RzBitBtn5", QStringLiteral("马上起名"));
    RzBitBtn2 = button(this, "RzBitBtn2", QStringLiteral("停止起名"));
    RzBitBtn4 = button(this, "RzBitBtn4", QStringLiteral("关闭软件"));
    addAll(modes, {RzRadioButton6, RzRadioButton7, RzRadioButton9});
    modes->addStretch();
    addAll(modes, {RzBitBtn5, RzBitBtn2, RzBitBtn4});

    connect(Xing, &QLineEdit::editingFinished, this, &NamingPage::XingExit);
    connect(Xing, &QLineEdit::returnPressed, this, &NamingPage::RzBitBtn5Click);  // Enter starts the search
    connect(CBXingshi, &QComboBox::currentIndexChanged, this, &NamingPage::CBXingshiChange);
    connect(CBdijizi, &QComboBox::currentIndexChanged, this, &NamingPage::CBdijiziChange);
    connect(CBsex, &QComboBox::currentIndexChanged, this, &NamingPage::CBsexChange);
    connect(CBFeeXX, &QCheckBox::toggled, this, &NamingPage::CBFeeXXClick);
    connect(Gudingzi, &QLineEdit::editingFinished, this, &NamingPage::GudingziExit);
    connect(ZuidiFee, &QLineEdit::editingFinished, this, &NamingPage::ZuidiFeeExit);
    connect(Sorcss, &QLineEdit::editingFinished, this, &NamingPage::SorcssExit);
    connect(RzBitBtn5, &QPushButton::clicked, this, &NamingPage::RzBitBtn5Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, &NamingPage::RzBitBtn2Click);
    connect(RzRadioButton6, &QRadioButton::clicked, this, &NamingPage::RzRadioButton6Click);
    connect(RzRadioButton7, &QRadioButton::clicked, this, &NamingPage::RzRadioButton7Click);
    connect(RzRadioButton9, &QRadioButton::clicked, this, &NamingPage::RzRadioButton7Click);
}

void NamingPage::buildResults()
{
    auto* results = new QHBoxLayout;
    results->setSpacing(4);
    static_cast<QVBoxLayout*>(layout())->addLayout(results, 1);

    MemoSuccess = new QPlainTextEdit(this);
    MemoSuccess->setObjectName(QStringLiteral("MemoSuccess"));
    MemoSuccess->setReadOnly(true);
    // A Chinese character two blanks wide, so the 16-byte cells line up; one pixel smaller than the
    // reports, so that six cells fit beside the lists.
    QFont cells = reportFont();
    cells.setPixelSize(11);
    MemoSuccess->setFont(cells);
    MemoSuccess->setLineWrapMode(QPlainTextEdit::NoWrap);
    MemoSuccess->setUndoRedoEnabled(false);
    results->addWidget(MemoSuccess, 1);
    RzStringGrid1 = new QTableWidget(this);
    RzStringGrid1->setObjectName(QStringLiteral("RzStringGrid1"));
    results->addWidget(RzStringGrid1, 1);
    connect(RzStringGrid1, &QTableWidget::cellDoubleClicked, this, &NamingPage::RzStringGrid1DblClick);

    RzPageControl2 = new NameListPair({QStringLiteral("RzPageControl2"), QStringLiteral("高分名字"),
                                       QStringLiteral("ListBox1"), QStringLiteral("已选名字"), QStringLiteral("ListBox2"),
                                       {QStringLiteral("BtnFuzhi"), QStringLiteral("复制高分")},
                                       {QStringLiteral("RzBitBtn24"), QStringLiteral("添加到已选")},
                                       {QStringLiteral("RzBitBtn29"), QStringLiteral("复制已选")},
                                       {QStringLiteral("RzBitBtn30"), QStringLiteral("清空已选")}},
                                      [this] { return NameAnalysisInputs{Xing->text(), readBirthInfo(birthRow)}; },
                                      this);
    RzPageControl2->shareShortlist(state_.shortlist);
    RzPageControl2->setFixedWidth(185);  // the all-names pane keeps room for its six 16-byte cells
    results->addWidget(RzPageControl2);
    ListBox1 = RzPageControl2->resultList;
    ListBox2 = RzPageControl2->chosenList;
    BtnFuzhi = RzPageControl2->copyResultsButton;
    RzBitBtn24 = RzPageControl2->addToChosenButton;
    RzBitBtn29 = RzPageControl2->copyChosenButton;
    RzBitBtn30 = RzPageControl2->clearChosenButton;
    recommendedList = new RecommendedList(*RzPageControl2, QStringLiteral("ListBoxRecommended"));
    connect(RzPageControl2, &NameListPair::namesCopied, searchStatus,
            [this](qsizetype count) { searchStatus->setText(copiedNamesText(count)); });
}

void NamingPage::setUpResultGrid()
{
    QStringList headings;
    for (const char* heading : listColumnHeadings()) headings << QString::fromUtf8(heading);
    const int widths[] = {36, 61, 61, 130, 58, 73, 90, 56, 30};
    // The heading row is the grid's header; below it one page of data rows.
    RzStringGrid1->setColumnCount(int(headings.size()));
    RzStringGrid1->setRowCount(state_.ListPageSize);
    RzStringGrid1->setHorizontalHeaderLabels(headings);
    RzStringGrid1->verticalHeader()->hide();  // no fixed column
    for (int c = 0; c < int(headings.size()); ++c) RzStringGrid1->setColumnWidth(c, widths[c]);
    RzStringGrid1->hide();
}

// --- Options and stroke plans ---

void NamingPage::FillStrokePlans()
{
    StrokePlanOptions o;
    o.surname = Xing->text();
    o.length = CBXingshi->currentIndex() == 1 ? NameLength::Single : NameLength::Double;
    o.fixedChar = Gudingzi->text();
    o.fixedAt = CBdijizi->currentIndex() == 1 ? FixedPosition::Third : FixedPosition::Second;
    o.minimumScore = CBFeeXX->isChecked() ? numberIn(ZuidiFee) : std::nullopt;
    plansSurname_ = o.surname.trimmed();  // tried once for this surname, whether the list is built or not
    runAction(this, [&] {  // reported failure: the engine's text in a message box, the list as it was
        const QStringList items = StrokePlanItems(o);
        CBCode->clear();
        CBCode->addItems(items);
        CBCode->setCurrentIndex(0);
    });
}

void NamingPage::XingExit()
{
    if (!Xing->text().trimmed().isEmpty()) FillStrokePlans();
}

void NamingPage::CBXingshiChange()
{
    const bool single = CBXingshi->currentIndex() == 1;
    CBdijizi->setEnabled(!single);
    if (single) Gudingzi->clear();
    XingExit();
}

void NamingPage::CBdijiziChange() { XingExit(); }
void NamingPage::CBsexChange() { XingExit(); }
void NamingPage::CBFeeXXClick() { XingExit(); }

void NamingPage::GudingziExit()
{
    XingExit();
    // A fixed character leaves few combinations: no minimum score (unchecking rebuilds once more).
    if (!Gudingzi->text().trimmed().isEmpty()) CBFeeXX->setChecked(false);
}

void NamingPage::ZuidiFeeExit()
{
    repairNumber(ZuidiFee, kDefaultMinimumScore);
    XingExit();
}

void NamingPage::SorcssExit()
{
    repairNumber(Sorcss, kRepairedPickScore);
}

// --- The search ---

bool NamingPage::searchRunning() const
{
    return run_.phase() != SearchPhase::Idle;
}

std::optional<ClassicSearchOptions> NamingPage::classicOptions()
{
    ClassicSearchOptions o;
    o.surname = Xing->text().trimmed();
    if (o.surname.isEmpty()) {
        showNotice(this, QStringLiteral("姓不能为空!"));
        return std::nullopt;
    }
    o.sex = CBsex->currentIndex() == 1 ? ChildSex::Girl : ChildSex::Boy;
    o.length = CBXingshi->currentIndex() == 1 ? NameLength::Single : NameLength::Double;
    o.fixedChar = Gudingzi->text().trimmed();
    o.fixedAt = CBdijizi->currentIndex() == 1 ? FixedPosition::Third : FixedPosition::Second;
    o.planChoice = CBCode->currentText().trimmed();
    for (int i = 1; i < CBCode->count(); ++i) o.plans << CBCode->itemText(i);

    if (CBwuxing->isChecked()) {
        // The child's own chart decides, from this page's birth row.
        const auto missing = ChartElementsFor(readBirthInfo(birthRow), state_.elementChoice);
        if (!missing) {
            showNotice(this, missing.error());
            return std::nullopt;
        }
        const PreferredElements preferred = narrowPreferredElements(*missing, splitSurname(o.surname));
        state_.missingElements = preferred.remaining;
        o.element1 = preferred.first;
        o.element2 = preferred.second;
    }
    return o;
}

void NamingPage::RzBitBtn5Click()
{
    rebuildPlansIfStale();
    if (RzRadioButton7->isChecked() || RzRadioButton9->isChecked()) {
        // The list modes take over the result lists: a classic search still running stops first.
        follow(run_.stop());
        if (RzRadioButton7->isChecked()) runListMode();
        else runIdiomMode();
        return;
    }
    const auto options = classicOptions();
    if (!options) return;
    // A start while a search runs stops it; the new one starts when it has ended, and the window
    // goes on answering meanwhile.
    follow(run_.start(*options));
}

// The surname may have come from another page's birth row, or Enter may have started the search
// before the box was left: the plans must be those of the surname the search runs for.
void NamingPage::rebuildPlansIfStale()
{
    if (Xing->text().trimmed() != plansSurname_) XingExit();
}

void NamingPage::follow(ClassicSearchRun::Step step)
{
    switch (step) {
    case ClassicSearchRun::Step::Nothing: return;
    case ClassicSearchRun::Step::StartWorker: startClassic(run_.nextOptions()); return;
    case ClassicSearchRun::Step::StopWorker: stopWorker(); return;
    }
}

void NamingPage::startClassic(const ClassicSearchOptions& options)
{
    state_.searching = true;
    MemoSuccess->clear();
    RzPageControl2->results().clear();
    recommendedList->clear();
    runningOptions_ = options;
    takePartialRow(state_);
    listResult_.reset();
    workerFinished_ = false;
    placedCount_ = 0;
    statusIsClassic_ = true;
    showProgress(0, SearchProgress::Running);
    worker_ = std::make_unique<TMythread>(options, state_.searching);
    connect(worker_.get(), &TMythread::linesReady, this, &NamingPage::queueLines);
    connect(worker_.get(), &QThread::finished, this, &NamingPage::workerEnded);
    worker_->start(QThread::LowPriority);  // clicks and painting come first
}

void NamingPage::stopWorker()
{
    state_.searching = false;  // the worker ends before its next row
    queued_.clear();
    queuedAt_ = 0;
    placeTimer_->stop();
    // Its finished signal may have come while lines were still waiting: then nothing else will
    // end this run, so it ends here.
    if (workerFinished_) classicDone();
}

void NamingPage::queueLines(const QStringList& lines)
{
    if (!run_.placesLines()) return;  // sent before the stop, arrived after it: the user has seen enough
    queued_ += lines;
    placeTimer_->start();
}

void NamingPage::placeQueuedLines()
{
    const qsizetype count = std::min<qsizetype>(kLinesPerSlice, queued_.size() - queuedAt_);
    PlaceNameLines(queued_.mid(queuedAt_, count));
    placedCount_ += count;
    showProgress(placedCount_, SearchProgress::Running);
    queuedAt_ += count;
    if (queuedAt_ < queued_.size()) return;
    queued_.clear();
    queuedAt_ = 0;
    placeTimer_->stop();
    if (workerFinished_) classicDone();
}

void NamingPage::workerEnded()
{
    if (sender() != worker_.get()) return;
    workerFinished_ = true;
    if (!placeTimer_->isActive()) classicDone();
}

void NamingPage::classicDone()
{
    if (const QString lastRow = takePartialRow(state_); !lastRow.isEmpty()) MemoSuccess->appendPlainText(lastRow);
    workerFinished_ = false;  // this run is over; the next needs a worker of its own
    const bool stopped = run_.phase() != SearchPhase::Running;
    state_.searching = false;
    if (statusIsClassic_) showProgress(placedCount_, stopped ? SearchProgress::Stopped : SearchProgress::Ended);
    const ClassicSearchRun::Step next = run_.workerDone();
    recommendedList->rankCollected(runningOptions_.surname, runningOptions_.sex, runningOptions_.fixedChar);
    emit searchEnded();
    follow(next);
}

void NamingPage::showProgress(qsizetype found, SearchProgress progress)
{
    searchStatus->setText(foundNamesText(found, progress));
}

std::optional<int> NamingPage::pickScore() const
{
    return CBInitFee->isChecked() ? numberIn(Sorcss) : std::nullopt;
}

void NamingPage::PlaceNameLines(const QStringList& lines)
{
    const std::optional<int> pick = pickScore();
    QStringList picked, rows;
    for (const QString& line : lines) {
        const Placement p = PlaceNameLine(line, pick, state_);
        if (p.picked) picked << p.line;
        if (!p.completedRow.isEmpty()) rows << p.completedRow;
    }
    RzPageControl2->results().append(picked);
    if (!rows.isEmpty()) MemoSuccess->appendPlainText(rows.join(u'\n'));
    recommendedList->collect(lines);
}

void NamingPage::RzBitBtn2Click()
{
    if (RzBitBtn2->text() != QStringLiteral("停止起名")) {
        showNextListPage();
        return;
    }
    RzBitBtn2->setEnabled(false);
    follow(run_.stop());
    QTimer::singleShot(kStopButtonPauseMs, RzBitBtn2, [button = RzBitBtn2] { button->setEnabled(true); });
}

void NamingPage::RzStringGrid1DblClick()
{
    const QTableWidgetItem* cell = RzStringGrid1->item(RzStringGrid1->currentRow(), 1);
    if (cell) RzPageControl2->openAnalysisOfName(cell->text().trimmed());
}
