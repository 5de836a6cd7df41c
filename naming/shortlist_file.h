// The shortlist as a text file a parent can keep, mail or open again: one full name per line, a tab
// and the poem line for names drawn from a poem. Written as UTF-8; read as UTF-8 or GBK, whichever
// the bytes are, because such a list is as likely to come from an older program or a hand edit.
#pragma once

#include "data/expected.h"
#include "naming/shortlist.h"

#include <QByteArray>
#include <QString>
#include <vector>

// The file's bytes: UTF-8 without a byte-order mark, each line ending in LF.
QByteArray shortlistFileText(const std::vector<ShortlistName>& names);

struct ShortlistFileRead {
    std::vector<ShortlistName> names;  // in file order, duplicates kept out
    int skipped = 0;                   // lines that hold no name (blank lines are not counted)
};

// Reads the lines of a shortlist file. A line is skipped when it is no name of two to twelve Chinese
// characters (optionally followed by one tab and the source line). The surname of each name is the
// surname box's text when the name begins with it, else a compound surname the name begins with,
// else its first character.
ShortlistFileRead parseShortlistText(const QByteArray& bytes, const QString& surnameBox);

// The surname of a full name by the rule above.
QString surnameOfFullName(const QString& fullName, const QString& surnameBox);

// Whole files; the error texts are ready to show to the user.
Expected<Done, QString> writeShortlistFile(const QString& path, const std::vector<ShortlistName>& names);
Expected<ShortlistFileRead, QString> readShortlistFile(const QString& path, const QString& surnameBox);

// The notice after opening a file: "已读入 3 个名字" and, when lines were skipped, how many.
QString shortlistReadNotice(const ShortlistFileRead& read, int added);
