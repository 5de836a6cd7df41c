// The names a parent keeps while choosing: one list shared by both naming pages and the name
// analysis window, in the order the names were added, each full name at most once. Names from the
// poem page carry the line of the text they were drawn from.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <vector>

struct ShortlistName {
    QString surname, givenName;
    QString source;  // the poem line the given name comes from; empty for other names
    QString line;    // what the lists show, e.g. 王明华(85分); the full name when empty

    QString fullName() const { return surname + givenName; }
    QString shownLine() const { return line.isEmpty() ? fullName() : line; }
    bool operator==(const ShortlistName&) const = default;
};

// The line the lists show for a name that comes with no result line (from a file or the analysis
// window): the full name and its overall score, 王明华(81分). Throws as NameScore does.
QString shortlistLineOf(const ShortlistName& name);

class Shortlist : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    const std::vector<ShortlistName>& names() const { return names_; }
    int size() const { return int(names_.size()); }
    bool isEmpty() const { return names_.empty(); }
    bool contains(const QString& fullName) const { return indexOf(fullName) >= 0; }
    int indexOf(const QString& fullName) const;
    QStringList shownLines() const;

    // False, and nothing changes, for a name without a given name or one already on the list.
    bool add(const ShortlistName& name);
    // How many of the names were new; one change notice for all of them.
    int addAll(const std::vector<ShortlistName>& names);
    void remove(int index);  // an index outside the list changes nothing
    void clear();

signals:
    // After every change; views reread the whole list, which holds a few dozen names at most.
    void changed();

private:
    bool insert(const ShortlistName& name);
    std::vector<ShortlistName> names_;
};
