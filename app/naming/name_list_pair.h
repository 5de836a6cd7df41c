// The result lists of a naming page: a list that the page's search fills and a list of the names the
// user keeps, on two tabs of a small page control, each with two buttons under it. Double-clicking a
// line of either list opens the name analysis window for it with the page's birth inputs.
//
// The chosen list shows a shortlist: its own until the page shares the one of the main window, so
// that both naming pages and the analysis window add to, remove from and save one list.
#pragma once

#include "app/file_path_asker.h"
#include "app/naming/shortlist_list_model.h"
#include "data/birth_info.h"

#include <QString>
#include <QTabWidget>
#include <functional>

class NameListModel;
class QListView;
class Shortlist;
class QPushButton;

// Object names and captions, chosen by the page that creates the pair.
struct NameListPairNames {
    struct Button {
        QString name, caption;
    };
    QString pageControl;
    QString resultTab, resultList;
    QString chosenTab, chosenList;
    Button copyResults, addToChosen;  // under the result list
    Button copyChosen, clearChosen;   // under the chosen list
};

// What the analysis needs from the owning page at the moment of the double-click: the surname box as
// it stands now and the page's birth row.
struct NameAnalysisInputs {
    QString surnameBox;
    BirthInfo birth;
};

class NameListPair : public QTabWidget {
    Q_OBJECT
public:
    using InputsOfPage = std::function<NameAnalysisInputs()>;
    // Opens the analysis of one name. The default shows the modal name analysis window; tests
    // replace it to see what would be shown.
    using AnalysisOpener = std::function<void(const QString& surname, const QString& givenName, const BirthInfo& birth)>;

    NameListPair(const NameListPairNames& names, InputsOfPage inputs, QWidget* parent = nullptr);

    QListView *resultList, *chosenList;
    QPushButton *copyResultsButton, *addToChosenButton, *copyChosenButton, *clearChosenButton;
    // Under the chosen list: 移除 (also the Delete key), 保存已选, 打开已选, 比较已选.
    QPushButton *removeChosenButton, *saveChosenButton, *openChosenButton, *compareChosenButton;
    NameListModel& results() { return *results_; }
    ShortlistListModel& chosen() { return *chosen_; }
    Shortlist& shortlist() { return chosen_->shortlist(); }
    void shareShortlist(Shortlist& list);

    AnalysisOpener openAnalysis;
    // The line of the page's text a given name comes from (the poem page's 出处); none by default.
    std::function<QString(const QString& givenName)> sourceOf;
    FilePathAsker askSavePath = defaultSaveFileAsker();
    FilePathAsker askOpenPath = defaultOpenFileAsker();

    // The analysis of a name already cut from its line (the list-mode grid's "名称" cell); an empty
    // name opens nothing.
    void openAnalysisOfName(const QString& name);

public slots:
    void addToChosen();   // the selected result line, unless the chosen list holds it already
    void clearChosen();
    void copyResults();   // one line per name on the clipboard
    void copyChosen();
    void removeChosen();    // the selected chosen name
    void saveChosen();      // the shortlist to a file the user picks
    void openChosen();      // names from such a file added to the shortlist
    void compareChosen();   // the compare window for the shortlist and the page's birth row

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void namesCopied(qsizetype count);  // after either copy button, for the page's status line

private:
    QListView* addListTab(const QString& tab, const QString& listName, QAbstractItemModel* model,
                          QPushButton*& left, const NameListPairNames::Button& leftNames,
                          QPushButton*& right, const NameListPairNames::Button& rightNames);
    void openSelectedLine(QListView* list);
    void addChosenActions();
    ShortlistName nameOfLine(const QString& line) const;

    NameListModel* results_;
    ShortlistListModel* chosen_;
    InputsOfPage inputs_;
};
