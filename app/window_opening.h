// Who owns a window. Every window the program opens is made here: on the heap, marked to delete
// itself when it closes, and shown; after show() nothing else holds it, so no window is freed twice
// and none is left behind. Window classes never set WA_DeleteOnClose themselves, so a window made
// on the stack (in a test) is never deleted by Qt.
#pragma once

#include <QApplication>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>

// Opens a new Window (constructible from its parent) as a top-level window over the launcher's
// window, which it lives no longer than. An application-modal window blocks the rest of the
// program until closed; the real event loop runs it and the caller returns at once. prepare(window)
// runs just before it is shown.
template <class Window, class Prepare>
Window* openOwnedWindow(QWidget* launcher, Qt::WindowModality modality, Prepare&& prepare)
{
    auto* window = new Window(launcher ? launcher->window() : nullptr);
    window->setWindowFlag(Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose);  // the only owner after show(): the window itself
    window->setWindowModality(modality);
    prepare(*window);  // contents and place, before the window is first seen
    window->show();
    return window;
}

template <class Window>
Window* openOwnedWindow(QWidget* launcher, Qt::WindowModality modality)
{
    return openOwnedWindow<Window>(launcher, modality, [](Window&) {});
}

// The visible windows of class Window, to place the next one beside them.
template <class Window>
int visibleWindowsOf()
{
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) count += qobject_cast<Window*>(w) && w->isVisible();
    return count;
}

// Where the next of several windows of one kind goes when `openBefore` of them are already open:
// the first sits at the centre of the area, each next one a step down and to the right, and the
// steps start again at the centre before a window would leave the area.
QPoint cascadedTopLeft(const QRect& area, const QSize& size, int openBefore);

// The screen area a window opened from launcher should stay inside.
QRect availableAreaFor(const QWidget* launcher);
