// What a report function hands back to the page that shows it: the lines it wrote and how it ended.
// A refused or undated report has no lines and leaves the page as it was; an abandoned or failed one
// keeps the lines written before the failure, as a pane filled line by line would.
#pragma once

#include "data/db_error.h"

#include <QString>
#include <QStringList>

enum class ReportEnd {
    Complete,
    Refused,    // an input is missing: message is the notice to show
    DateError,  // the date cannot be read: message is the error to show
    Abandoned,  // a knowledge file could not be read where silence is the rule
    Failed,     // a reported database failure: message is the engine's text
};

struct Report {
    QStringList lines;
    ReportEnd end = ReportEnd::Complete;
    QString message;

    bool complete() const { return end == ReportEnd::Complete; }
    bool changesPane() const { return end != ReportEnd::Refused && end != ReportEnd::DateError; }
};

inline Report refusedReport(ReportEnd why, const QString& message)
{
    return {{}, why, message};
}

// Runs write(lines) and records how it ended; lines written before a failure are kept.
template <class F>
Report collectReport(F&& write)
{
    Report report;
    try {
        write(report.lines);
    } catch (const ActionAbandoned&) {
        report.end = ReportEnd::Abandoned;
    } catch (const DbError& e) {
        report.end = ReportEnd::Failed;
        report.message = e.message();
    }
    return report;
}
