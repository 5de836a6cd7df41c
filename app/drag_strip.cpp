#include "drag_strip.h"

#include <QMouseEvent>
#include <QWindow>

DragStrip::DragStrip(QWidget* parent) : QLabel(parent)
{
    setCursor(Qt::ArrowCursor);
}

void DragStrip::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    QWidget* top = window();
    // Hand the drag to the window manager, which then moves the window until the button is released.
    if (top->windowHandle() && top->windowHandle()->startSystemMove()) return;
    manualDrag_ = true;
    grabOffset_ = event->globalPosition().toPoint() - top->frameGeometry().topLeft();
}

void DragStrip::mouseMoveEvent(QMouseEvent* event)
{
    if (manualDrag_ && (event->buttons() & Qt::LeftButton)) window()->move(event->globalPosition().toPoint() - grabOffset_);
}

void DragStrip::mouseReleaseEvent(QMouseEvent*)
{
    manualDrag_ = false;
}
