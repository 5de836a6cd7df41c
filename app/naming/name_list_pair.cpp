#include "name_list_pair.h"

#include "app/frm_name_main.h"
#include "app/naming/name_list_model.h"
#include "naming/given_name_cut.h"

#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QListView>
#include <QPushButton>
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
    : QTabWidget(parent), results_(new NameListModel(this)), chosen_(new NameListModel(this)), inputs_(std::move(inputs))
{
    setObjectName(names.pageControl);
    openAnalysis = [this](const QString& surname, const QString& givenName, const BirthInfo& birth) {
        TFrmNameMain::ShowNameAnalysis(window(), surname, birth.sex.trimmed(), birth.year, givenName,
                                       birth.isLunar() ? 1 : 0, birth.minute, birth.hour, birth.day, birth.month);
    };
    resultList = addListTab(names.resultTab, names.resultList, results_, copyResultsButton, names.copyResults,
                            addToChosenButton, names.addToChosen);
    chosenList = addListTab(names.chosenTab, names.chosenList, chosen_, copyChosenButton, names.copyChosen,
                            clearChosenButton, names.clearChosen);
    connect(copyResultsButton, &QPushButton::clicked, this, &NameListPair::copyResults);
    connect(addToChosenButton, &QPushButton::clicked, this, &NameListPair::addToChosen);
    connect(copyChosenButton, &QPushButton::clicked, this, &NameListPair::copyChosen);
    connect(clearChosenButton, &QPushButton::clicked, this, &NameListPair::clearChosen);
    setCurrentIndex(0);
}

QListView* NameListPair::addListTab(const QString& tab, const QString& listName, NameListModel* model,
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
