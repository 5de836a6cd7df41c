// The classic high-score search: full names whose stroke pattern is one of the surname's stroke
// plans, so that every name carries the combination score of its plan. The database does the work:
// one statement per chosen plan, or per batch of eight plans in the automatic mode, finds the
// dictionary characters of the planned strokes for the child's sex (and preferred elements) and
// joins them to the surname; the search reads the rows in the spread order and hands each name line,
// such as 王明华(85分), to the caller.
#pragma once

#include "naming/naming_options.h"

#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>

struct ClassicSearchOptions {
    QString surname;             // trimmed surname box; the whole text starts every name
    ChildSex sex = ChildSex::Boy;
    NameLength length = NameLength::Double;
    QString fixedChar;           // trimmed fixed-character box; empty for none
    FixedPosition fixedAt = FixedPosition::Second;
    QString planChoice;          // the chosen plan item, or "电脑全自动" for all plans
    QStringList plans;           // the plan items after "电脑全自动", in list order
    QString element1, element2;  // the preferred elements (E1, E2); empty for none
};

enum class SearchEnd {
    Finished,  // every row of every plan was read
    Stopped,   // the stop flag was found cleared
    Failed,    // a statement failed, or the chosen plan did not parse; the lines given stay given
};

using NameLineSink = std::function<void(const QString& line)>;

// Runs the search on the calling thread while `searching` is true; it is tested before every pass of
// nine rows, every remaining row and every batch. Opens its own connection, so it may run on a worker.
SearchEnd RunClassicSearch(const ClassicSearchOptions& options, const std::atomic_bool& searching,
                           const NameLineSink& emitLine);

// The automatic search takes the plans in batches of eight, so that 20 plans need three statements.
inline constexpr int kPlansPerStatement = 8;
QList<QStringList> planBatches(const QStringList& plans);
