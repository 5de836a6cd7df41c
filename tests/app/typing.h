// Chinese text typed as a person types it: through the input method, which hands the widget the
// finished characters in one commit (key events carry only the Latin keys).
#pragma once

#include <QApplication>
#include <QInputMethodEvent>
#include <QWidget>

inline void typeChinese(QWidget* widget, const QString& text)
{
    widget->setFocus();
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(widget, &commit);
}
