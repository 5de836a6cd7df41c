#include "report_saving.h"

#include "app/notice.h"
#include "data/text_file.h"
#include "numerology/name_report.h"

#include <QFileDialog>

SavePathAsker defaultSavePathAsker()
{
    return [](QWidget* parent, const QString& proposedName) {
        return QFileDialog::getSaveFileName(parent, QStringLiteral("保存"), proposedName,
                                            QStringLiteral("文本文件 (*.txt)"));
    };
}

bool saveReportLines(QWidget* parent, const QString& name, const QStringList& lines, const SavePathAsker& ask)
{
    if (lines.join(QString()).trimmed().isEmpty()) return false;
    const QString proposed = name.trimmed().isEmpty() ? QString() : proposedReportFileName(name.trimmed());
    QString path = ask(parent, proposed);
    if (path.isEmpty()) return false;
    if (!path.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive)) path += QStringLiteral(".txt");
    const auto written = writeReportFile(path, lines);
    if (!written) {
        showNotice(parent, written.error());
        return false;
    }
    return true;
}
