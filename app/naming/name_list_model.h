// The lines of one name list. A search may put a hundred thousand names into a list, so the lines
// live in one model behind a view with uniform rows, and arrive in batches: one insert per batch.
#pragma once

#include <QAbstractListModel>
#include <QStringList>

class NameListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    const QStringList& lines() const { return lines_; }
    bool contains(const QString& line) const { return lines_.contains(line); }
    void append(const QStringList& lines);
    void clear();

private:
    QStringList lines_;
};
