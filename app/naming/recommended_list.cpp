#include "recommended_list.h"

#include "app/naming/name_list_pair.h"
#include "data/db_error.h"
#include "naming/given_name_cut.h"

#include <QListView>
#include <QStandardItemModel>
#include <QVBoxLayout>

RecommendedList::RecommendedList(NameListPair& pair, const QString& listName)
    : QWidget(&pair), pair_(pair), model_(new QStandardItemModel(this))
{
    list = new QListView(this);
    list->setObjectName(listName);
    list->setModel(model_);
    list->setUniformItemSizes(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    // The same face as the other name lists of the pair.
    if (pair.resultList) {
        list->setFont(pair.resultList->font());
        list->setPalette(pair.resultList->palette());
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list);
    connect(list, &QListView::doubleClicked, this, &RecommendedList::openSelected);
    pair.addTab(this, QStringLiteral("推荐名字"));
}

int RecommendedList::rowCount() const
{
    return model_->rowCount();
}

QString RecommendedList::line(int row) const
{
    return model_->item(row)->text();
}

QString RecommendedList::toolTip(int row) const
{
    return model_->item(row)->toolTip();
}

void RecommendedList::clear()
{
    model_->clear();
    collected_.clear();
}

void RecommendedList::rankCollected(const QString& surname, std::optional<ChildSex> sex, const QString& extraCharacters)
{
    const QStringList lines = std::move(collected_);
    collected_.clear();
    rank(surname, sex, extraCharacters, candidatesFromLines(surname, lines));
}

void RecommendedList::rank(const QString& surname, std::optional<ChildSex> sex, const QString& extraCharacters,
                           const NameCandidates& candidates)
{
    model_->clear();
    QList<RecommendedName> best;
    try {
        best = recommendNames(QualityJudge::forSearch(surname, sex, extraCharacters), candidates, kRecommendedListSize);
    } catch (const DbError&) {
        return;
    }
    for (const RecommendedName& name : best) {
        auto* item = new QStandardItem(recommendedLine(name));
        item->setToolTip(name.reason);
        model_->appendRow(item);
    }
    if (!best.isEmpty()) pair_.setCurrentWidget(this);
}

void RecommendedList::openSelected()
{
    const QModelIndex at = list->currentIndex();
    if (!at.isValid()) return;
    pair_.openAnalysisOfName(nameOfResultLine(model_->item(at.row())->text()));
}
