#include "name_list_model.h"

int NameListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(lines_.size());
}

QVariant NameListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= lines_.size()) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) return lines_.at(index.row());
    return {};
}

void NameListModel::append(const QStringList& lines)
{
    if (lines.isEmpty()) return;
    const int first = int(lines_.size());
    beginInsertRows({}, first, first + int(lines.size()) - 1);
    lines_ += lines;
    endInsertRows();
}

void NameListModel::clear()
{
    if (lines_.isEmpty()) return;
    beginResetModel();
    lines_.clear();
    endResetModel();
}
