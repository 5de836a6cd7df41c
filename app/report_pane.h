// Putting a report into its pane the way every report page does: a refused input is a notice and a
// date that cannot be read an error, both leaving the pane as it was; otherwise the lines replace
// the pane's text and the pane scrolls back to its first line.
#pragma once

#include "data/report.h"

class QBoxLayout;
class QPlainTextEdit;
class QTextEdit;
class QWidget;

enum class PaneUpdate {
    AsWritten,  // lines written before a failure stay, as in a pane filled line by line
    WholeOnly,  // the pane shows a complete report or keeps the one it had
};

// Returns whether the pane now shows the report.
bool showReport(QWidget* parent, QTextEdit* pane, const Report& report, PaneUpdate update = PaneUpdate::AsWritten);
bool showReport(QWidget* parent, QPlainTextEdit* pane, const Report& report, PaneUpdate update = PaneUpdate::AsWritten);

// A read-only report pane in the report font, added to layout as a child of parent.
QPlainTextEdit* addReportPane(QWidget* parent, QBoxLayout* layout, const char* name);
