#include "comparison_model.h"

void ComparisonModel::setTable(ComparisonTable table)
{
    beginResetModel();
    table_ = std::move(table);
    endResetModel();
}

int ComparisonModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(table_.rows.size());
}

int ComparisonModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kComparisonColumnCount;
}

QVariant ComparisonModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const ComparisonRow& row = table_.rows[size_t(index.row())];
    const auto column = ComparisonColumn(index.column());
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) return comparisonCell(row, column);
    if (role == kSortRole) return comparisonSortKey(row, column);
    return {};
}

QVariant ComparisonModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    return comparisonHeader(ComparisonColumn(section));
}
