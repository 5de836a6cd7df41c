#include "window_opening.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace {

// About the height of a caption bar, so each window's caption stays visible under the next.
constexpr int kCascadeStep = 28;

}  // namespace

QPoint cascadedTopLeft(const QRect& area, const QSize& size, int openBefore)
{
    const QPoint centre = area.topLeft() + QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2);
    const QPoint first(std::max(area.left(), centre.x()), std::max(area.top(), centre.y()));
    // How many steps fit from the first position before a window would leave the area.
    const int roomX = (area.right() + 1 - size.width() - first.x()) / kCascadeStep;
    const int roomY = (area.bottom() + 1 - size.height() - first.y()) / kCascadeStep;
    const int steps = std::max(1, std::min(roomX, roomY) + 1);
    const int k = std::max(0, openBefore) % steps;
    return first + QPoint(k, k) * kCascadeStep;
}

QRect availableAreaFor(const QWidget* launcher)
{
    const QScreen* screen = launcher ? launcher->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}
