// The tab "推荐名字" beside a naming page's result lists: the best names of the last search by their
// 音形义 judgement (naming/recommended_names.h), each with its reason in the tool tip. The page hands
// it the candidates when its search ends; the tab then comes to the front, as it is the first thing a
// parent should see. Double-clicking a name opens its analysis, as in the other lists.
#pragma once

#include "naming/recommended_names.h"

#include <QWidget>
#include <optional>

class NameListPair;
class QListView;
class QStandardItemModel;

class RecommendedList : public QWidget {
    Q_OBJECT
public:
    // Adds itself as the last tab of pair; listName is its list's object name.
    RecommendedList(NameListPair& pair, const QString& listName);

    QListView* list;
    int rowCount() const;
    QString line(int row) const;
    QString toolTip(int row) const;

    void clear();
    // Lines of a search that arrives in batches, ranked when it ends.
    void collect(const QStringList& lines) { collected_ += lines; }
    void rankCollected(const QString& surname, std::optional<ChildSex> sex, const QString& extraCharacters);
    // Judges the candidates, shows the best and brings the tab to the front. A knowledge file that
    // cannot be read leaves the tab empty: the search's own lists are complete without it.
    void rank(const QString& surname, std::optional<ChildSex> sex, const QString& extraCharacters,
              const NameCandidates& candidates);

private:
    void openSelected();

    NameListPair& pair_;
    QStandardItemModel* model_;
    QStringList collected_;
};
