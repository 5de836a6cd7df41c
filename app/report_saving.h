// Saving a report pane as a text file, as every report page does it: a save dialog titled "保存"
// that opens in the user's documents folder and offers "文本文件 (GBK)" (the default) and
// "文本文件 (UTF-8)", the proposed name, ".txt" added, CR LF line ends, in the encoding of the chosen
// file type. A failed write is told to the user.
#pragma once

#include "data/text_file.h"

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// The user's answer to the save dialog: the file and its encoding. An empty path means cancelled.
struct SaveTarget {
    SaveTarget(QString chosenPath = QString(), ReportEncoding chosenEncoding = ReportEncoding::Gbk)
        : path(std::move(chosenPath)), encoding(chosenEncoding) {}
    QString path;
    ReportEncoding encoding;
};

// Asks the user where to save. The default runs the save dialog modally; tests either answer that
// dialog or put their own answer in its place.
using SavePathAsker = std::function<SaveTarget(QWidget* parent, const QString& proposedName)>;
SavePathAsker defaultSavePathAsker();

// The file types of the save dialog, GBK's first, and the encoding each stands for.
QStringList reportFileTypes();
ReportEncoding encodingOfFileType(const QString& fileType);
// Where the save dialog opens: the documents folder, or the home folder when there is none.
QString reportSaveFolder();

// Nothing happens for a pane of blanks only. Returns whether a file was written.
bool saveReportLines(QWidget* parent, const QString& name, const QStringList& lines, const SavePathAsker& ask);
