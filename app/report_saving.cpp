#include "report_saving.h"

#include "app/notice.h"
#include "numerology/name_report.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

QStringList reportFileTypes()
{
    return {QStringLiteral("文本文件 (GBK) (*.txt)"), QStringLiteral("文本文件 (UTF-8) (*.txt)")};
}

ReportEncoding encodingOfFileType(const QString& fileType)
{
    return fileType == reportFileTypes().at(1) ? ReportEncoding::Utf8 : ReportEncoding::Gbk;
}

QString reportSaveFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

SavePathAsker defaultSavePathAsker()
{
    return [](QWidget* parent, const QString& proposedName) -> SaveTarget {
        // Qt's own dialog rather than the desktop's, so that it speaks the program's Chinese
        // whatever language the desktop is set to, and its file types are always offered.
        QFileDialog dialog(parent, QStringLiteral("保存"), reportSaveFolder());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setNameFilters(reportFileTypes());
        dialog.selectNameFilter(reportFileTypes().at(0));
        if (!proposedName.isEmpty()) dialog.selectFile(proposedName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
        return {dialog.selectedFiles().constFirst(), encodingOfFileType(dialog.selectedNameFilter())};
    };
}

bool saveReportLines(QWidget* parent, const QString& name, const QStringList& lines, const SavePathAsker& ask)
{
    if (lines.join(QString()).trimmed().isEmpty()) return false;
    const QString proposed = name.trimmed().isEmpty() ? QString() : proposedReportFileName(name.trimmed());
    const SaveTarget target = ask(parent, proposed);
    QString path = target.path;
    if (path.isEmpty()) return false;
    if (!path.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive)) path += QStringLiteral(".txt");
    const auto written = writeReportFile(path, lines, target.encoding);
    if (!written) {
        showNotice(parent, written.error());
        return false;
    }
    return true;
}
