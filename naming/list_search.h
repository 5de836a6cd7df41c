// RunListSearch: the list and idiom naming modes without their window. It reads the page's options,
// works out the preferred elements, the minimum score, the surname and the chosen plan's strokes
// into a ListQuery and has runListQuery run it; the page and jiaming-cli then show the result page
// by page.
#pragma once

#include "data/expected.h"
#include "list_result.h"
#include "list_statement.h"

#include <QString>

// The options as the naming page holds them: texts as typed, boxes as ticked.
struct ListSearchOptions {
    QString surnameBox;                               // Xing, untrimmed: its length in bytes tells single from compound
    ChildSex sex = ChildSex::Boy;                     // CBsex
    NameLength length = NameLength::Double;           // CBXingshi
    QString fixedChar;                                // Gudingzi
    FixedPosition fixedAt = FixedPosition::Second;    // CBdijizi
    bool minScoreChecked = true;                      // CBFeeXX "只起"
    QString minScoreText = QStringLiteral("70");      // ZuidiFee
    QString planText = QStringLiteral("电脑全自动");  // CBCode
    bool matchElements = false;                       // CBwuxing
    ListMode mode = ListMode::List;
};

struct ListSearchError {
    enum Kind { BadInput, FileUnreadable } kind;
    QString message;
};

// The message when a search finds no name.
QString noListNameMessage();

// Runs the search. With the element option on, missingElements loses the surname's own elements
// (written back, as the classic search does); a fixed character of another element cancels the
// preference for this search. `idiomText` is the idiom list as one text.
Expected<ListResult, ListSearchError> RunListSearch(const ListSearchOptions& options, QString& missingElements,
                                                    const QString& idiomText);
Expected<ListResult, ListSearchError> RunListSearch(const ListSearchOptions& options, QString& missingElements);

// The query RunListSearch builds from the options (minimum score, plan strokes, surname kind) and
// the preferred elements already worked out; the refusal names the option that cannot be read.
// Exposed so that tests and benchmarks can run its statement in each of its forms.
Expected<ListQuery, ListSearchError> listQueryFor(const ListSearchOptions& options, const QString& E1,
                                                  const QString& E2, const SurnameInfo& surname);
