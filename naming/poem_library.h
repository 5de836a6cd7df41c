// The poem library (table sg of KelBirth.dll) as the poem browser walks it: a tree of dynasties and
// their authors, an author's poems, a poem's text. A filter keeps only what has a poem whose dynasty,
// author, title or text contains the filter text; the text is matched literally, so "%", "_" and
// quotes stand for themselves. Every function opens its own query and throws DbError when the file
// cannot be read; the browser then abandons the action without a word.
#pragma once

#include <QList>
#include <QString>

struct PoemAuthor {
    int number = 0;  // au_num
    QString name;    // trimmed d_author
};

struct PoemDynasty {
    QString name;  // trimmed d_dynasty
    QList<PoemAuthor> authors;
};

struct PoemEntry {
    int number = 0;  // d_num
    QString title;   // trimmed d_title
};

// Dynasties in cd_num order, each with its authors in au_num order. An empty filter keeps all.
QList<PoemDynasty> BuildPoemTree(const QString& filter = QString());

// The poems of author number au_num that match the filter, sorted by title in the collation of the
// system's locale (equal titles keep d_num order). Number 0, as a dynasty node gives, has none.
QList<PoemEntry> AuthorPoems(int authorNumber, const QString& filter = QString());

// The text of poem d_num, untrimmed, one verse line per text line; empty when there is no such poem.
QString PoemText(int poemNumber);

// The selection box after "添加到已选" of a shown poem: the poem's trimmed lines appended, after one
// empty line when the box already holds text. A poem that is blank adds nothing.
QString AddPoemToSelection(const QString& selection, const QString& poem);
