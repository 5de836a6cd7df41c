#include "poem_page.h"

#include "app/naming/name_list_model.h"
#include "app/naming/name_list_pair.h"
#include "app/naming/recommended_list.h"
#include "app/naming/poem_icons.h"
#include "app/notice.h"
#include "data/db_error.h"
#include "data/gbk_text.h"
#include "naming/given_name_cut.h"
#include "naming/poem_library.h"
#include "naming/poem_naming.h"
#include "naming/search_progress.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

constexpr int kSurnameMaxBytes = 4;   // two Chinese characters
constexpr int kSearchMaxBytes = 20;   // ten Chinese characters
constexpr int kNumberRole = Qt::UserRole;

QPushButton* addButton(QWidget* parent, QBoxLayout* layout, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    layout->addWidget(button);
    return button;
}

// Keeps an edit box within a GB byte limit as the user types.
void limitBytes(QLineEdit* edit, int maxBytes)
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, maxBytes](const QString& text) {
        if (gbkByteLength(text) > maxBytes) edit->setText(gbkLeft(text, maxBytes));
    });
}

QTreeWidget* addTree(QWidget* parent, const char* name)
{
    auto* tree = new QTreeWidget(parent);
    tree->setObjectName(QString::fromLatin1(name));
    tree->setHeaderHidden(true);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    return tree;
}

int numberOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, kNumberRole).toInt() : 0;
}

}  // namespace

PoemPage::PoemPage(NamingState& state, std::function<void()> backToNaming, QWidget* parent)
    : QWidget(parent), state_(state), backToNaming_(std::move(backToNaming))
{
    setObjectName(QStringLiteral("TabSheet6"));
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(4, 4, 4, 4);
    page->addWidget(buildTopPanel());
    auto* body = new QHBoxLayout;
    body->addWidget(buildBrowser(), 1);
    body->addWidget(buildLists());
    page->addLayout(body, 1);
}

QWidget* PoemPage::buildTopPanel()
{
    auto* panel = new QWidget(this);
    auto* rows = new QVBoxLayout(panel);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(2);

    auto* first = new QHBoxLayout;
    first->setSpacing(4);
    first->addWidget(new QLabel(QStringLiteral("基本信息"), panel));
    birthRow = addBirthRow(panel, first,
                           {QStringLiteral("Xing5"), QString(), QStringLiteral("CBsex5"), QStringLiteral("CBDate5"),
                            QStringLiteral("SYear5"), QStringLiteral("SMonth5"), QStringLiteral("Sday5"),
                            QStringLiteral("Shour5"), QStringLiteral("CBFen5")});
    Xing5 = birthRow.surname;
    limitBytes(Xing5, kSurnameMaxBytes);
    first->addStretch();
    rows->addLayout(first);

    auto* second = new QHBoxLayout;
    second->setSpacing(4);
    second->addWidget(new QLabel(QStringLiteral("起名方式"), panel));
    CBXingshi5 = new QComboBox(panel);
    CBXingshi5->setObjectName(QStringLiteral("CBXingshi5"));
    CBXingshi5->addItems({QStringLiteral("双字名"), QStringLiteral("单字名")});
    second->addWidget(CBXingshi5);
    CBSGBZ = new QCheckBox(QStringLiteral("根据八字五行匹配取名"), panel);
    CBSGBZ->setObjectName(QStringLiteral("CBSGBZ"));
    second->addWidget(CBSGBZ);
    RzBitBtn33 = addButton(panel, second, "RzBitBtn33", QStringLiteral("马上起名"));
    RzBitBtn31 = addButton(panel, second, "RzBitBtn31", QStringLiteral("停止起名"));
    RzBitBtn34 = addButton(panel, second, "RzBitBtn34", QStringLiteral("返回起名"));
    connect(RzBitBtn33, &QPushButton::clicked, this, &PoemPage::RzBitBtn33Click);
    connect(RzBitBtn31, &QPushButton::clicked, this, &PoemPage::RzBitBtn31Click);
    connect(RzBitBtn34, &QPushButton::clicked, this, &PoemPage::RzBitBtn34Click);
    connect(Xing5, &QLineEdit::returnPressed, this, &PoemPage::RzBitBtn33Click);  // Enter starts the search
    second->addWidget(new QLabel(QStringLiteral("提示：双击名字列表查看详细分析"), panel));
    searchStatus = new QLabel(panel);
    searchStatus->setObjectName(QStringLiteral("searchStatus"));
    second->addSpacing(12);
    second->addWidget(searchStatus);
    second->addStretch();
    rows->addLayout(second);
    return panel;
}

QWidget* PoemPage::buildBrowser()
{
    RzPageControl4 = new QTabWidget(this);
    RzPageControl4->setObjectName(QStringLiteral("RzPageControl4"));

    RzTabSheet3 = new QWidget(RzPageControl4);
    RzTabSheet3->setObjectName(QStringLiteral("RzTabSheet3"));
    auto* browser = new QVBoxLayout(RzTabSheet3);
    browser->setContentsMargins(2, 2, 2, 2);
    auto* panes = new QHBoxLayout;
    TreeViewInit = addTree(RzTabSheet3, "TreeViewInit");
    RzTreeView1 = addTree(RzTabSheet3, "RzTreeView1");
    RzTreeView1->setRootIsDecorated(false);  // a flat list: no lines, no expand buttons
    MemoSgnr = new QPlainTextEdit(RzTabSheet3);
    MemoSgnr->setObjectName(QStringLiteral("MemoSgnr"));
    MemoSgnr->setReadOnly(true);
    MemoSgnr->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoSgnr->setContextMenuPolicy(Qt::PreventContextMenu);  // no copy command
    MemoSgnr->installEventFilter(this);
    panes->addWidget(TreeViewInit, 2);
    panes->addWidget(RzTreeView1, 2);
    panes->addWidget(MemoSgnr, 3);
    browser->addLayout(panes, 1);

    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("快速查找"), RzTabSheet3));
    EditTiaojian = new QLineEdit(RzTabSheet3);
    EditTiaojian->setObjectName(QStringLiteral("EditTiaojian"));
    limitBytes(EditTiaojian, kSearchMaxBytes);
    bar->addWidget(EditTiaojian);
    RzBitBtn41 = addButton(RzTabSheet3, bar, "RzBitBtn41", QStringLiteral("查找"));
    RzBitBtn42 = addButton(RzTabSheet3, bar, "RzBitBtn42", QStringLiteral("显示所有"));
    RzBitBtn40 = addButton(RzTabSheet3, bar, "RzBitBtn40", QStringLiteral("添加到已选"));
    RzBitBtn39 = addButton(RzTabSheet3, bar, "RzBitBtn39", QStringLiteral("清空已选"));
    browser->addLayout(bar);
    RzPageControl4->addTab(RzTabSheet3, QStringLiteral("诗词列表"));

    RzTabSheet4 = new QWidget(RzPageControl4);
    RzTabSheet4->setObjectName(QStringLiteral("RzTabSheet4"));
    auto* selection = new QVBoxLayout(RzTabSheet4);
    selection->setContentsMargins(2, 2, 2, 2);
    MemoYixuan = new QPlainTextEdit(RzTabSheet4);
    MemoYixuan->setObjectName(QStringLiteral("MemoYixuan"));
    MemoYixuan->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    selection->addWidget(MemoYixuan);
    RzPageControl4->addTab(RzTabSheet4, QStringLiteral("已选诗词(根据诗词内容或自己输入文字自动匹配取名)"));

    // On the press, not the release: selecting a dynasty closes the one before, and the rows move
    // under the mouse before the button comes up.
    connect(TreeViewInit, &QTreeWidget::itemPressed, this, &PoemPage::TreeViewInitClick);
    // Single-expand: the selected dynasty opens, the one selected before closes.
    connect(TreeViewInit, &QTreeWidget::currentItemChanged, this, [](QTreeWidgetItem* now, QTreeWidgetItem* before) {
        const auto dynastyOf = [](QTreeWidgetItem* item) { return item && item->parent() ? item->parent() : item; };
        if (before && dynastyOf(before) != dynastyOf(now)) dynastyOf(before)->setExpanded(false);
        if (now) now->setExpanded(true);
    });
    connect(RzTreeView1, &QTreeWidget::itemClicked, this, &PoemPage::RzTreeView1Click);
    connect(RzBitBtn41, &QPushButton::clicked, this, &PoemPage::RzBitBtn41Click);
    connect(RzBitBtn42, &QPushButton::clicked, this, &PoemPage::RzBitBtn42Click);
    connect(RzBitBtn40, &QPushButton::clicked, this, &PoemPage::RzBitBtn40Click);
    connect(RzBitBtn39, &QPushButton::clicked, this, &PoemPage::RzBitBtn39Click);
    RzPageControl4->setCurrentIndex(0);
    return RzPageControl4;
}

QWidget* PoemPage::buildLists()
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    RzPageControl3 = new NameListPair({QStringLiteral("RzPageControl3"),
                                       QStringLiteral("名字列表"), QStringLiteral("ListBox3"),
                                       QStringLiteral("已选名字"), QStringLiteral("ListBox4"),
                                       {QStringLiteral("RzBitBtn35"), QStringLiteral("复制名字")},
                                       {QStringLiteral("RzBitBtn36"), QStringLiteral("添加到已选")},
                                       {QStringLiteral("RzBitBtn37"), QStringLiteral("复制已选")},
                                       {QStringLiteral("RzBitBtn38"), QStringLiteral("清空已选")}},
                                      [this] { return NameAnalysisInputs{Xing5->text(), readBirthInfo(birthRow)}; },
                                      column);
    RzPageControl3->shareShortlist(state_.shortlist);
    RzPageControl3->sourceOf = [this](const QString& given) {
        return PoemNameSource(MemoYixuan->toPlainText(), given).remove(QStringLiteral("出处："));
    };
    recommendedList = new RecommendedList(*RzPageControl3, QStringLiteral("ListBoxRecommended5"));
    RzPageControl3->setFixedWidth(190);
    layout->addWidget(RzPageControl3, 1);
    connect(RzPageControl3, &NameListPair::namesCopied, this,
            [this](qsizetype count) { searchStatus->setText(copiedNamesText(count)); });
    LabelChuchu = new QLabel(column);
    LabelChuchu->setObjectName(QStringLiteral("LabelChuchu"));
    LabelChuchu->setWordWrap(true);
    LabelChuchu->setFixedWidth(190);
    layout->addWidget(LabelChuchu);
    for (QListView* list : {RzPageControl3->resultList, RzPageControl3->chosenList})
        connect(list->selectionModel(), &QItemSelectionModel::currentChanged, this,
                [this](const QModelIndex& current) { showSourceOf(current.data().toString()); });
    return column;
}

void PoemPage::showSourceOf(const QString& line)
{
    const QString given = givenNameAfterSurname(nameOfResultLine(line), Xing5->text());
    LabelChuchu->setText(line.isEmpty() ? QString() : PoemNameSource(MemoYixuan->toPlainText(), given));
}

// --- the naming ---

void PoemPage::RzBitBtn33Click()
{
    PoemNamingInput in;
    in.surnameBox = Xing5->text();
    in.text = MemoYixuan->toPlainText();
    in.oneCharacter = CBXingshi5->currentIndex() == 1;
    in.matchChart = CBSGBZ->isChecked();
    in.birth = readBirthInfo(birthRow);
    in.missingElements = state_.missingElements;
    in.elements = state_.elementChoice;
    // The list empties at every start that passes the two input checks, before the chart is read.
    if (!in.surnameBox.trimmed().isEmpty() && !in.text.trimmed().isEmpty()) {
        RzPageControl3->results().clear();
        recommendedList->clear();
    }

    searchStatus->setText(foundNamesText(0, SearchProgress::Running));
    searchStatus->repaint();  // the search runs here, on this thread: show that it has begun
    const PoemNamingOutcome outcome = RunPoemNaming(in);
    state_.missingElements = outcome.missingElements;
    // A start past its checks is a running search until "停止起名" clears the flag; the lines are
    // added only while it stands. The flag is this page's: the classic search has its own.
    if (outcome.end != PoemNamingEnd::Refused) searching_ = true;
    switch (outcome.end) {
    case PoemNamingEnd::Refused:
        searchStatus->clear();
        showNotice(this, outcome.message);
        if (outcome.focusSurname) Xing5->setFocus();
        return;
    case PoemNamingEnd::Abandoned:
        searchStatus->clear();
        return;
    case PoemNamingEnd::NoName:
        searchStatus->setText(foundNamesText(0, SearchProgress::Ended));
        showNotice(this, NoPoemNameMessage(), NoPoemNameCaption());
        return;
    case PoemNamingEnd::Listed:
        break;
    }
    const QStringList lines = outcome.names.lines();
    if (searching_) {
        RzPageControl3->results().append(lines);
        const PoemNames& names = outcome.names;
        NameCandidates candidates;
        candidates.count = names.size();
        candidates.given = [&](int i) { return names.givenName(i); };
        candidates.score = [&](int i) { return names.score(i); };
        candidates.line = [&](int i) { return names.line(i); };
        recommendedList->rank(in.surnameBox.trimmed(), in.birth.sex == QStringLiteral("女") ? ChildSex::Girl : ChildSex::Boy, QString(),
                              candidates);
    }
    searchStatus->setText(foundNamesText(RzPageControl3->results().lines().size(), SearchProgress::Ended));
}

void PoemPage::RzBitBtn31Click()
{
    if (!searching_) return;
    searching_ = false;
    searchStatus->setText(foundNamesText(RzPageControl3->results().lines().size(), SearchProgress::Stopped));
}

void PoemPage::RzBitBtn34Click()
{
    if (backToNaming_) backToNaming_();
}

// --- the poem browser ---

void PoemPage::BuildPoemTree(const QString& filter)
{
    TreeViewInit->clear();
    try {
        const QIcon dynastyIcon = poemNodeIcon(PoemNodeKind::Dynasty), authorIcon = poemNodeIcon(PoemNodeKind::Author);
        for (const PoemDynasty& dynasty : ::BuildPoemTree(filter)) {
            auto* node = new QTreeWidgetItem(TreeViewInit, {dynasty.name});
            node->setIcon(0, dynastyIcon);
            for (const PoemAuthor& author : dynasty.authors) {
                auto* child = new QTreeWidgetItem(node, {author.name});
                child->setIcon(0, authorIcon);
                child->setData(0, kNumberRole, author.number);
            }
        }
    } catch (const DbError&) {
        return;  // an unreadable library ends the action silently
    }
    RzTreeView1->clear();
    MemoSgnr->clear();
}

void PoemPage::TreeViewInitClick()
{
    const QTreeWidgetItem* node = TreeViewInit->currentItem();
    if (!node) return;
    RzTreeView1->clear();
    try {
        const QIcon poemIcon = poemNodeIcon(PoemNodeKind::Poem);
        for (const PoemEntry& poem : AuthorPoems(numberOf(node), EditTiaojian->text().trimmed())) {
            auto* item = new QTreeWidgetItem(RzTreeView1, {poem.title});
            item->setIcon(0, poemIcon);
            item->setData(0, kNumberRole, poem.number);
        }
    } catch (const DbError&) {
        return;
    }
    MemoSgnr->clear();
}

void PoemPage::RzTreeView1Click()
{
    const QTreeWidgetItem* poem = RzTreeView1->currentItem();
    if (!poem) return;
    try {
        MemoSgnr->setPlainText(PoemText(numberOf(poem)));
    } catch (const DbError&) {
    }
}

void PoemPage::RzBitBtn41Click()
{
    const QString filter = EditTiaojian->text().trimmed();
    if (!filter.isEmpty()) BuildPoemTree(filter);
}

void PoemPage::RzBitBtn42Click()
{
    EditTiaojian->clear();
    BuildPoemTree(QString());
}

void PoemPage::RzBitBtn40Click()
{
    const QString poem = MemoSgnr->toPlainText();
    if (poem.trimmed().isEmpty()) return;
    MemoYixuan->setPlainText(AddPoemToSelection(MemoYixuan->toPlainText(), poem));
    MemoYixuan->moveCursor(QTextCursor::End);
}

void PoemPage::RzBitBtn39Click()
{
    MemoYixuan->clear();
}

// The poem text leaves the browser only through "添加到已选": Ctrl+C, Ctrl+V and Ctrl+X (Ctrl alone,
// as the platform's other copy, cut and paste keys) do nothing in MemoSgnr.
bool PoemPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == MemoSgnr && (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool ctrlLetter = key->modifiers() == Qt::ControlModifier &&
                                (key->key() == Qt::Key_C || key->key() == Qt::Key_V || key->key() == Qt::Key_X);
        if (ctrlLetter || key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Cut) ||
            key->matches(QKeySequence::Paste)) {
            event->accept();
            return event->type() == QEvent::KeyPress;
        }
    }
    return QWidget::eventFilter(watched, event);
}
