// Names drawn from a text: every dictionary character that occurs in the text and suits the child's
// sex is a candidate; the candidates make one- or two-character given names with the surname, and a
// name is kept only when its stroke pattern has a row in the combination table zh, whose score it
// takes. Optionally the given-name characters must carry the elements the child's chart lacks.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The elements a chart lacks once the surname's own elements are taken out, and the first two of
// them, which the names must carry. No preference when `first` is empty.
struct ElementPreference {
    QString missing;         // the new missingElements
    QString first, second;   // E1, E2
};

// missing: the elements a chart lacks (金 木 水 火 土 order); surnameElement1/2: the elements of the
// surname's characters, either empty.
ElementPreference PreferredElements(const QString& missing, const QString& surnameElement1,
                                    const QString& surnameElement2);

struct PoemNameRequest {
    QString surname;              // trimmed; one or two characters
    QString sex;                  // "男" or "女"
    bool oneCharacter = false;    // "单字名"; otherwise "双字名"
    QString text;                 // the selection text, as it stands
    QString first, second;        // preferred elements (PreferredElements); both empty: none
};

// The names found, in ascending order of score; equal scores in the order their characters first
// occur in the text. Compact: a search over a whole collection gives hundreds of thousands.
class PoemNames {
public:
    int size() const { return int(rows_.size()); }
    bool isEmpty() const { return rows_.empty(); }
    QString givenName(int i) const;
    int score(int i) const { return rows_[size_t(i)].score; }
    // The list line: surname + given name + "(" + score + "分)", as 王关雎(85分).
    QString line(int i) const;
    QStringList lines() const;

private:
    friend PoemNames FindPoemNames(const PoemNameRequest& request);
    struct Row {
        int first, second;  // indexes into characters_; second is -1 for a one-character name
        int score;
    };
    QString surname_;
    QStringList characters_;
    std::vector<Row> rows_;
};

// Throws DbError when the dictionary or the combination table cannot be read.
PoemNames FindPoemNames(const PoemNameRequest& request);

// Where a given name comes from in the selection text: "出处：" + the first line that holds all its
// characters, else the first line holding each character, joined by a blank. Empty when none is there.
QString PoemNameSource(const QString& text, const QString& givenName);

// The characters (code points) of a text, each as a string.
QStringList textCharacters(const QString& text);
