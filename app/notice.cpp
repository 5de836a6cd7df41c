#include "notice.h"

#include <QMessageBox>

void showNotice(QWidget* parent, const QString& text, const QString& caption)
{
    QMessageBox box(QMessageBox::Information, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

void showEngineError(QWidget* parent, const QString& engineText)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("错误"), engineText, QMessageBox::Ok, parent);
    box.exec();
}
