// Running the list statement against Velmora.dll: the surname's parts, the statement of a query in
// the form that gives the right rows, and the result read from it. What the statement says is
// list_statement's; which options make the query is list_search's.
#pragma once

#include "list_result.h"
#include "list_statement.h"

#include <QString>

// Strokes, first traditional character, first reading and element of the surname's characters.
// Throws DbError when Velmora.dll cannot be read.
SurnameInfo lookupSurnameInfo(const QString& surnameBox);

// Runs one statement of buildListStatement. Throws DbError.
ListResult runListStatement(const BoundStatement& statement, const QString& surname, const SurnameInfo& info);

// Runs a query whatever its mode. The list mode is one statement. The idiom mode runs the fast
// pre-filtered form first; that form meets the rows in its own order, so when the result is larger
// than the row limit (and the limit decides which rows stay) it is read again in the join order of
// the original statement. The query's idiomMatch and rowLimit are chosen here. Throws DbError.
ListResult runListQuery(ListQuery query, const QString& surname, const SurnameInfo& info);
