// Asking the user for a file to write or to read, with a caption, a proposed name and a filter.
// Windows hold one of these so that a test can answer in the dialog's place.
#pragma once

#include <QString>
#include <functional>

class QWidget;

// An empty answer means cancelled.
using FilePathAsker =
    std::function<QString(QWidget* parent, const QString& caption, const QString& proposedName, const QString& filter)>;

FilePathAsker defaultSaveFileAsker();
FilePathAsker defaultOpenFileAsker();

// path with suffix (".csv") added unless it ends in it already.
QString withSuffix(const QString& path, const QString& suffix);
