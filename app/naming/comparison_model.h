// The comparison table behind the compare window's view: one row per name, the cells and headers
// of the plain comparison, and the sort key of each cell under Qt::UserRole so that a proxy sorts
// scores and grids as numbers.
#pragma once

#include "naming/name_comparison.h"

#include <QAbstractTableModel>

class ComparisonModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kSortRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    void setTable(ComparisonTable table);
    const ComparisonTable& table() const { return table_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    ComparisonTable table_;
};
