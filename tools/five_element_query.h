// The five-element query: the element (wuhang) of up to five characters, each matched in the
// character dictionary as its simplified or its traditional form in one statement.
#pragma once

#include <QString>

class Query;

// The element of one character, untrimmed, or empty when no row matches. Throws DbError when the
// dictionary cannot be read (a reported failure).
QString characterElement(Query& velmora, const QString& character);

// The elements of the trimmed text cut into GBK byte pairs (bytes 1–2, 3–4 … 9–10), each pair
// taken as one character, joined without a separator. Pairs that are no dictionary character add
// nothing. Throws DbError as above.
QString textElements(Query& velmora, const QString& text);
