// Saving a report pane as a text file, as every report page does it: a save dialog titled "保存"
// for text files, the proposed name, ".txt" added, GB18030 with CR LF line ends. A failed write is
// told to the user.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// Asks the user for a file name; an empty answer means cancelled. Tests replace the dialog.
using SavePathAsker = std::function<QString(QWidget* parent, const QString& proposedName)>;
SavePathAsker defaultSavePathAsker();

// Nothing happens for a pane of blanks only. Returns whether a file was written.
bool saveReportLines(QWidget* parent, const QString& name, const QStringList& lines, const SavePathAsker& ask);
