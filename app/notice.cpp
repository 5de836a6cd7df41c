#include "notice.h"

#include <QMessageBox>

namespace {

NoticeSink& sink()
{
    static NoticeSink instance;
    return instance;
}

}  // namespace

void setNoticeSink(NoticeSink s)
{
    sink() = std::move(s);
}

void showNotice(QWidget* parent, const QString& text, const QString& caption, bool withIcon)
{
    if (sink()) return sink()(caption, text);
    QMessageBox box(withIcon ? QMessageBox::Information : QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

void showEngineError(QWidget* parent, const QString& engineText)
{
    if (sink()) return sink()(QStringLiteral("错误"), engineText);
    QMessageBox box(QMessageBox::Critical, QStringLiteral("错误"), engineText, QMessageBox::Ok, parent);
    box.exec();
}
