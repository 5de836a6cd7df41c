// The strip at the top of the borderless main window by which the user drags it, as one drags a
// captioned window by its title bar.
#pragma once

#include <QLabel>
#include <QPoint>

class DragStrip : public QLabel {
    Q_OBJECT
public:
    explicit DragStrip(QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Used only where the platform cannot move the window itself (offscreen, some X setups).
    bool manualDrag_ = false;
    QPoint grabOffset_;
};
