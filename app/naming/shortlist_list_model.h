// The chosen-names list of a naming page as a view of the shortlist: every page that shows the same
// shortlist shows the same lines, and a change made through any of them reaches all.
#pragma once

#include "naming/shortlist.h"

#include <QAbstractListModel>
#include <QPointer>
#include <functional>

class ShortlistListModel : public QAbstractListModel {
    Q_OBJECT
public:
    // Turns a result line (王明华(85分)) into the name the shortlist keeps.
    using LineToName = std::function<ShortlistName(const QString& line)>;

    ShortlistListModel(Shortlist& list, LineToName lineToName, QObject* parent = nullptr);

    // Shows another shortlist from now on.
    void show(Shortlist& list);
    Shortlist& shortlist() const { return *list_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    QStringList lines() const { return list_->shownLines(); }
    bool contains(const QString& line) const;
    // Adds each line's name unless the shortlist holds it already.
    void append(const QStringList& lines);
    void clear() { list_->clear(); }

private:
    QPointer<Shortlist> list_;
    LineToName lineToName_;
    QMetaObject::Connection watch_;
};
