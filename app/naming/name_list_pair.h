// The result lists of a naming page: a list that the page's search fills and a list of the names the
// user keeps, on two tabs of a small page control, each with two buttons under it. Double-clicking a
// line of either list opens the name analysis window for it with the page's birth inputs.
#pragma once

#include "data/birth_info.h"

#include <QString>
#include <QTabWidget>
#include <functional>

class NameListModel;
class QListView;
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
    NameListModel& results() { return *results_; }
    NameListModel& chosen() { return *chosen_; }

    AnalysisOpener openAnalysis;

    // The analysis of a name already cut from its line (the list-mode grid's "名称" cell); an empty
    // name opens nothing.
    void openAnalysisOfName(const QString& name);

public slots:
    void addToChosen();   // the selected result line, unless the chosen list holds it already
    void clearChosen();
    void copyResults();   // one line per name on the clipboard
    void copyChosen();

signals:
    void namesCopied(qsizetype count);  // after either copy button, for the page's status line

private:
    QListView* addListTab(const QString& tab, const QString& listName, NameListModel* model,
                          QPushButton*& left, const NameListPairNames::Button& leftNames,
                          QPushButton*& right, const NameListPairNames::Button& rightNames);
    void openSelectedLine(QListView* list);

    NameListModel *results_, *chosen_;
    InputsOfPage inputs_;
};
