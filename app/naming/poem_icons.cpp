#include "poem_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int kSize = 16;

// A dynasty is a bound book (closed, open when selected).
void drawBook(QPainter& p, bool open)
{
    if (open) {
        p.setBrush(QColor(0xf4, 0xe4, 0xb8));
        p.drawPolygon(QPolygon({{1, 4}, {7, 3}, {8, 14}, {1, 14}}));
        p.drawPolygon(QPolygon({{8, 14}, {9, 3}, {15, 4}, {15, 14}}));
        p.drawLine(3, 7, 6, 7);
        p.drawLine(10, 7, 13, 7);
        return;
    }
    p.setBrush(QColor(0xa8, 0x32, 0x2a));
    p.drawRect(3, 1, 10, 14);
    p.setBrush(QColor(0xf4, 0xe4, 0xb8));
    p.drawRect(6, 3, 4, 7);
}

// An author is a figure with a scholar's cap.
void drawAuthor(QPainter& p, bool selected)
{
    const QColor robe = selected ? QColor(0x2a, 0x6a, 0xb0) : QColor(0x4a, 0x7a, 0x4a);
    p.setBrush(QColor(0xf2, 0xd2, 0xb0));
    p.drawEllipse(5, 3, 6, 6);
    p.setBrush(QColor(0x30, 0x30, 0x30));
    p.drawRect(5, 1, 6, 2);
    p.setBrush(robe);
    QPainterPath body;
    body.moveTo(2, 15);
    body.quadTo(8, 7, 14, 15);
    body.closeSubpath();
    p.drawPath(body);
}

// A poem is a scroll, unrolled when selected.
void drawScroll(QPainter& p, bool selected)
{
    p.setBrush(QColor(0xfa, 0xf0, 0xd7));
    p.drawRect(selected ? 2 : 4, 3, selected ? 12 : 8, 10);
    p.setBrush(QColor(0x8b, 0x5a, 0x2b));
    p.drawRect(selected ? 1 : 3, 2, 2, 12);
    p.drawRect(selected ? 13 : 11, 2, 2, 12);
    p.setPen(QColor(0x55, 0x55, 0x55));
    for (int y = 5; y <= 11; y += 3) p.drawLine(selected ? 5 : 6, y, selected ? 11 : 10, y);
}

QPixmap picture(PoemNodeKind kind, bool selected)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x40, 0x30, 0x20), 1));
    switch (kind) {
    case PoemNodeKind::Dynasty: drawBook(p, selected); break;
    case PoemNodeKind::Author: drawAuthor(p, selected); break;
    case PoemNodeKind::Poem: drawScroll(p, selected); break;
    }
    return pixmap;
}

}  // namespace

QIcon poemNodeIcon(PoemNodeKind kind)
{
    QIcon icon;
    icon.addPixmap(picture(kind, false), QIcon::Normal);
    icon.addPixmap(picture(kind, true), QIcon::Selected);
    return icon;
}
