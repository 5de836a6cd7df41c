// The idiom list of the idiom naming mode (the page's hidden text MemoChengyu): four-character
// idioms of good meaning, one a line, in groups that each share a name character. The list is
// built into the program from db/idioms/idioms.txt; db/README.md says where it comes from.
#pragma once

#include <QString>
#include <QStringList>

// The idioms in list order.
const QStringList& idiomLines();

// The list as the idiom mode reads it: one text, the lines joined by line breaks.
QString idiomText(const QStringList& lines = idiomLines());

// Every character (code point) of text once, in order of first appearance. A one-character zi
// is in this set exactly when text LIKE '%' || zi || '%' holds, unless zi is a LIKE wildcard
// (% or _) or an ASCII letter, which LIKE compares without case; the name characters are neither.
QStringList distinctCharacters(const QString& text);

// Up to `most` idioms of lines that contain zi, in list order.
QStringList idiomsContaining(const QString& zi, int most, const QStringList& lines = idiomLines());

// Where the meaning of an idiom-mode name comes from: one line per given-name character with up to
// three idioms of the list that contain it, such as "明：明明白白、光明正大、聪明才智".
QString idiomToolTip(const QString& givenName, const QStringList& lines = idiomLines());
