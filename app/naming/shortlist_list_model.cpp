#include "shortlist_list_model.h"

#include "naming/given_name_cut.h"

ShortlistListModel::ShortlistListModel(Shortlist& list, LineToName lineToName, QObject* parent)
    : QAbstractListModel(parent), lineToName_(std::move(lineToName))
{
    show(list);
}

void ShortlistListModel::show(Shortlist& list)
{
    beginResetModel();
    disconnect(watch_);
    list_ = &list;
    // The list is short; rereading it whole keeps every view in step without bookkeeping.
    watch_ = connect(&list, &Shortlist::changed, this, [this] {
        beginResetModel();
        endResetModel();
    });
    endResetModel();
}

int ShortlistListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !list_ ? 0 : list_->size();
}

QVariant ShortlistListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const ShortlistName& name = list_->names()[size_t(index.row())];
    if (role == Qt::DisplayRole || role == Qt::EditRole) return name.shownLine();
    if (role == Qt::ToolTipRole && !name.source.isEmpty()) return name.source;
    return {};
}

bool ShortlistListModel::contains(const QString& line) const
{
    return list_->contains(nameOfResultLine(line).trimmed());
}

void ShortlistListModel::append(const QStringList& lines)
{
    std::vector<ShortlistName> names;
    for (const QString& line : lines) names.push_back(lineToName_(line));
    list_->addAll(names);
}
