// How the tools page opens a tool window: a new instance every time, application-modal, deleted
// when closed, so each opening starts from the window's own defaults and nothing is kept between
// openings.
#pragma once

#include "app/window_opening.h"

template <class Window>
Window* openToolWindow(QWidget* launcher)
{
    return openOwnedWindow<Window>(launcher, Qt::ApplicationModal);
}

// Limits a line edit to maxBytes of GBK text as it is edited (a Chinese character counts two),
// optionally turning typed Latin letters to upper case.
class QLineEdit;
void limitGbkBytes(QLineEdit* edit, int maxBytes, bool upperCaseLatin = false);
