// The program's message boxes: short notices to the user with the caption "提示", and the general
// error handler that shows the database engine's own text when a reported failure reaches it.
#pragma once

#include "data/db_error.h"

#include <QString>
#include <functional>

class QWidget;

// withIcon false shows the box without its information icon, as the compatibility window does.
void showNotice(QWidget* parent, const QString& text, const QString& caption = QStringLiteral("提示"),
                bool withIcon = true);
void showEngineError(QWidget* parent, const QString& engineText);

// Where notices go instead of a modal box, while set: tests watch them without a user to click OK.
using NoticeSink = std::function<void(const QString& caption, const QString& text)>;
void setNoticeSink(NoticeSink sink);

// Runs one user action. A DbError that no lookup caught is reported; an abandoned action ends
// without a word, keeping whatever it already put on screen.
template <class F>
void runAction(QWidget* parent, F&& action)
{
    try {
        action();
    } catch (const ActionAbandoned&) {
    } catch (const DbError& e) {
        showEngineError(parent, e.message());
    }
}
