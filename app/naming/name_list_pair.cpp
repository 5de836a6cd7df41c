#include "name_list_pair.h"

#include "app/frm_name_main.h"
#include "app/naming/compare_window.h"
#include "app/naming/name_list_model.h"
#include "app/notice.h"
#include "naming/given_name_cut.h"
#include "naming/shortlist_file.h"

#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QTabBar>
#include <QListView>
#include <QPushButton>
#include <QKeyEvent>
#include <QStyledItemDelegate>

namespace {

constexpr int kNameFontPixels = 14;
constexpr int kRowPixels = 15;

// Rows of one fixed height, so that the view never measures a line.
class FixedRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), kRowPixels};
    }
};

QString selectedLine(const QListView* list)
{
    const QModelIndexList picked = list->selectionModel()->selectedIndexes();
    return picked.isEmpty() ? QString() : picked.front().data().toString();
}

void putOnClipboard(const QStringList& lines)
{
    QApplication::clipboard()->setText(lines.join(u'\n'));
}

}  // namespace

NameListPair::NameListPair(const NameListPairNames& names, InputsOfPage inputs, QWidget* parent)
    : QTabWidget(parent), results_(new NameListModel(this)),
      chosen_(new ShortlistListModel(*new Shortlist(this), [this](const QString& line) { return nameOfLine(line); }, this)),
      inputs_(std::move(inputs))
{
    setObjectName(names.pageControl);
    // Three four-character tabs share a narrow pane: tighter tabs keep all three in view, without
    // scroll arrows hiding the third.
    tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 4px; }"));
    openAnalysis = [this](const QString& surname, const QString& givenName, const BirthInfo& birth) {
        TFrmNameMain::ShowNameAnalysis(window(), surname, birth.sex.trimmed(), birth.year, givenName,
                                       birth.isLunar() ? 1 : 0, birth.minute, birth.hour, birth.day, birth.month,
                                       &shortlist());
    };
    resultList = addListTab(names.resultTab, names.resultList, results_, copyResultsButton, names.copyResults,
                            addToChosenButton, names.addToChosen);
    chosenList = addListTab(names.chosenTab, names.chosenList, chosen_, copyChosenButton, names.copyChosen,
                            clearChosenButton, names.clearChosen);
    connect(copyResultsButton, &QPushButton::clicked, this, &NameListPair::copyResults);
    connect(addToChosenButton, &QPushButton::clicked, this, &NameListPair::addToChosen);
    connect(copyChosenButton, &QPushButton::clicked, this, &NameListPair::copyChosen);
    connect(clearChosenButton, &QPushButton::clicked, this, &NameListPair::clearChosen);
    addChosenActions();
    setCurrentIndex(0);
}

void NameListPair::addChosenActions()
{
    QWidget* page = chosenList->parentWidget();
    auto* rows = qobject_cast<QVBoxLayout*>(page->layout());
    auto addRow = [&](std::initializer_list<std::pair<QPushButton**, const char16_t*>> buttons) {
        auto* row = new QHBoxLayout;
        for (auto [button, caption] : buttons) {
            *button = new QPushButton(QString::fromUtf16(caption), page);
            row->addWidget(*button);
        }
        rows->addLayout(row);
    };
    // Two buttons a row, as under each list, so that they fit the narrow pane.
    addRow({{&removeChosenButton, u"移除"}, {&saveChosenButton, u"保存已选"}});
    addRow({{&openChosenButton, u"打开已选"}, {&compareChosenButton, u"比较已选"}});
    removeChosenButton->setObjectName(QStringLiteral("removeChosenButton"));
    saveChosenButton->setObjectName(QStringLiteral("saveChosenButton"));
    openChosenButton->setObjectName(QStringLiteral("openChosenButton"));
    compareChosenButton->setObjectName(QStringLiteral("compareChosenButton"));
    connect(removeChosenButton, &QPushButton::clicked, this, &NameListPair::removeChosen);
    connect(saveChosenButton, &QPushButton::clicked, this, &NameListPair::saveChosen);
    connect(openChosenButton, &QPushButton::clicked, this, &NameListPair::openChosen);
    connect(compareChosenButton, &QPushButton::clicked, this, &NameListPair::compareChosen);
    chosenList->installEventFilter(this);  // the Delete key removes, as 移除 does
}

bool NameListPair::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == chosenList && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        removeChosen();
        return true;
    }
    return QTabWidget::eventFilter(watched, event);
}

void NameListPair::shareShortlist(Shortlist& list)
{
    Shortlist* own = &shortlist();
    chosen_->show(list);
    if (own != &list && own->parent() == this) own->deleteLater();
}

ShortlistName NameListPair::nameOfLine(const QString& line) const
{
    const QString name = nameOfResultLine(line).trimmed();
    const QString surname = surnameOfFullName(name, inputs_ ? inputs_().surnameBox : QString());
    const QString given = name.mid(surname.size());
    return {surname, given, sourceOf ? sourceOf(given) : QString(), line};
}

QListView* NameListPair::addListTab(const QString& tab, const QString& listName, QAbstractItemModel* model,
                                    QPushButton*& left, const NameListPairNames::Button& leftNames,
                                    QPushButton*& right, const NameListPairNames::Button& rightNames)
{
    auto* page = new QWidget(this);
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(2);

    auto* list = new QListView(page);
    list->setObjectName(listName);
    list->setModel(model);
    list->setUniformItemSizes(true);
    list->setItemDelegate(new FixedRowDelegate(list));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(kNameFontPixels);
    font.setBold(true);
    list->setFont(font);
    QPalette palette = list->palette();
    palette.setColor(QPalette::Text, Qt::red);
    list->setPalette(palette);
    connect(list, &QListView::doubleClicked, this, [this, list] { openSelectedLine(list); });
    column->addWidget(list);

    auto* buttons = new QHBoxLayout;
    auto makeButton = [&](const NameListPairNames::Button& n) {
        auto* button = new QPushButton(n.caption, page);
        button->setObjectName(n.name);
        buttons->addWidget(button);
        return button;
    };
    left = makeButton(leftNames);
    right = makeButton(rightNames);
    column->addLayout(buttons);

    addTab(page, tab);
    return list;
}

void NameListPair::addToChosen()
{
    const QString line = selectedLine(resultList);
    if (line.isEmpty() || chosen_->contains(line)) return;
    chosen_->append({line});
}

void NameListPair::clearChosen()
{
    chosen_->clear();
}

void NameListPair::removeChosen()
{
    const QModelIndex current = chosenList->currentIndex();
    if (current.isValid()) shortlist().remove(current.row());
}

void NameListPair::saveChosen()
{
    if (shortlist().isEmpty()) {
        showNotice(this, QStringLiteral("已选名字为空，没有可保存的名字"));
        return;
    }
    const QString path = askSavePath(window(), QStringLiteral("保存已选"), QStringLiteral("已选名字.txt"),
                                     QStringLiteral("文本文件 (*.txt)"));
    if (path.isEmpty()) return;
    if (const auto written = writeShortlistFile(withSuffix(path, QStringLiteral(".txt")), shortlist().names()); !written)
        showNotice(this, written.error());
}

void NameListPair::openChosen()
{
    const QString path = askOpenPath(window(), QStringLiteral("打开已选"), QString(), QStringLiteral("文本文件 (*.txt);;所有文件 (*)"));
    if (path.isEmpty()) return;
    const auto read = readShortlistFile(path, inputs_ ? inputs_().surnameBox : QString());
    if (!read) {
        showNotice(this, read.error());
        return;
    }
    std::vector<ShortlistName> names = read->names;
    runAction(this, [&] {
        for (ShortlistName& n : names) n.line = shortlistLineOf(n);
    });
    showNotice(this, shortlistReadNotice(*read, shortlist().addAll(names)));
}

void NameListPair::compareChosen()
{
    if (shortlist().isEmpty()) {
        showNotice(this, QStringLiteral("请先把要比较的名字添加到已选"));
        return;
    }
    std::optional<BirthInfo> birth;
    if (inputs_) birth = inputs_().birth;
    openCompareWindow(this, shortlist().names(), birth);
}

void NameListPair::copyResults()
{
    putOnClipboard(results_->lines());
    emit namesCopied(results_->lines().size());
}

void NameListPair::copyChosen()
{
    putOnClipboard(chosen_->lines());
    emit namesCopied(chosen_->lines().size());
}

void NameListPair::openSelectedLine(QListView* list)
{
    const QString line = selectedLine(list);
    if (line.isEmpty()) return;
    openAnalysisOfName(nameOfResultLine(line));
}

void NameListPair::openAnalysisOfName(const QString& name)
{
    if (name.trimmed().isEmpty() || !inputs_) return;
    const NameAnalysisInputs in = inputs_();
    openAnalysis(in.surnameBox.trimmed(), givenNameAfterSurname(name, in.surnameBox), in.birth);
}
