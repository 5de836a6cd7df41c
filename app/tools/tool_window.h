// How the tools page opens a tool window: a new instance every time, modal, released when closed,
// so each opening starts from the window's own defaults and nothing is kept between openings.
#pragma once

#include <QWidget>
#include <functional>

// Shows a freshly made tool window modally and returns when the user has closed it. Tests replace
// it to look at the window without a user to close it.
using ToolWindowShower = std::function<void(QWidget& window)>;
ToolWindowShower& toolWindowShower();

// Opens a tool window of class Window (constructible from its parent) over the launcher's window.
template <class Window>
void openToolWindow(QWidget* launcher)
{
    Window window(launcher ? launcher->window() : nullptr);
    toolWindowShower()(window);
}

// Limits a line edit to maxBytes of GBK text as it is edited (a Chinese character counts two),
// optionally turning typed Latin letters to upper case.
class QLineEdit;
void limitGbkBytes(QLineEdit* edit, int maxBytes, bool upperCaseLatin = false);
