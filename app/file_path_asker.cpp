#include "file_path_asker.h"

#include <QFileDialog>

FilePathAsker defaultSaveFileAsker()
{
    return [](QWidget* parent, const QString& caption, const QString& proposedName, const QString& filter) {
        return QFileDialog::getSaveFileName(parent, caption, proposedName, filter);
    };
}

FilePathAsker defaultOpenFileAsker()
{
    return [](QWidget* parent, const QString& caption, const QString& proposedName, const QString& filter) {
        return QFileDialog::getOpenFileName(parent, caption, proposedName, filter);
    };
}

QString withSuffix(const QString& path, const QString& suffix)
{
    return path.endsWith(suffix, Qt::CaseInsensitive) ? path : path + suffix;
}
