// The one statement of the list and idiom naming modes. It joins the best stroke combinations of zh
// for the surname with every unflagged character of word of the planned stroke counts, filtered by
// sex, preferred elements, a fixed character, the chosen plan's strokes and, in the idiom mode, the
// idiom list; at most kListRowLimit rows, in the engine's order.
#pragma once

#include "data/query.h"
#include "naming/naming_options.h"

#include <QString>
#include <vector>

enum class ListMode { List = 0, Idiom = 1 };

// How the idiom mode keeps to characters of the idiom list. All three give the same rows when the
// result stays within the row limit:
//   PreFiltered  joins only the dictionary rows whose character is in the set of the list's
//                characters, picked once per statement (the fastest; its own join order);
//   Lookup       joins as the list mode does and looks each character up in that set (the join
//                order, and so the rows kept under the limit, of Like);
//   Like         the original condition, list LIKE '%' || zi || '%' once per joined row, kept to
//                show that the others give its rows and to measure what they save.
enum class IdiomMatch { PreFiltered, Lookup, Like };

inline constexpr int kListRowLimit = 100000;

struct ListQuery {
    bool compoundSurname = false;
    NameLength length = NameLength::Double;
    int planCount = 50;  // T: how many combinations of zh take part
    int S1 = 0, S2 = 0;  // surname strokes
    int minScore = 60;   // M: combinations must score above it
    ChildSex sex = ChildSex::Boy;
    QString E1, E2;      // preferred elements, either may be empty
    QString fixedChar;   // trimmed; used for two-character names only
    FixedPosition fixedAt = FixedPosition::Second;
    int G1 = 0, G2 = 0;  // the chosen plan's given-name strokes, 0 for any
    ListMode mode = ListMode::List;
    IdiomMatch idiomMatch = IdiomMatch::PreFiltered;
    int rowLimit = kListRowLimit;
    QString idiomText;   // the list, lines joined by line breaks
};

// T: 50 combinations for two-character names, which multiply the candidates, unless a fixed
// character pins one of them; 500 otherwise.
int listPlanCount(NameLength length, bool hasFixedChar);

// The columns of the statement's rows: the row ids of the stroke combination in zh and of the two
// given-name characters in word (NULL for a one-character name). A row is those three keys; the
// texts they stand for are read once per distinct key (ListResult).
enum ListStatementColumn { kColCombination, kColFirstChar, kColSecondChar };

struct BoundStatement {
    QString sql;
    std::vector<SqlParam> params;
};

BoundStatement buildListStatement(const ListQuery& q);
