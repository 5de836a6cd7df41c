#include "skin.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

std::vector<ToolbarFace> toolbarFaces()
{
    const struct { const char16_t* glyph; const char16_t* label; } faces[] = {
        {u"名", u"宝宝取名"}, {u"析", u"姓名分析"}, {u"命", u"八字分析"}, {u"英", u"英文名字"}, {u"昵", u"宝宝小名"},
        {u"诗", u"诗词起名"}, {u"知", u"起名知识"}, {u"具", u"民俗工具"}, {u"网", u"官方网站"}, {u"关", u"关于我们"},
    };
    std::vector<ToolbarFace> out;
    int x = 12;
    for (const auto& f : faces) {
        out.push_back({QRect(x, 24, 71, 77), QString::fromUtf16(f.glyph), QString::fromUtf16(f.label)});
        x += 78;
    }
    return out;
}

QRect minimiseButtonRect() { return QRect(737, 1, 28, 19); }
QRect closeButtonRect() { return QRect(767, 1, 28, 19); }
QRect pagePanelRect() { return QRect(5, 106, 790, 456); }

namespace {

const QColor kInk(0x5a, 0x1e, 0x12);
const QColor kPaper(0xfb, 0xf3, 0xe4);

void paintButtonFace(QPainter& p, const ToolbarFace& face)
{
    const QRectF icon(face.rect.x() + 11, face.rect.y() + 4, 49, 49);
    QLinearGradient fill(icon.topLeft(), icon.bottomLeft());
    fill.setColorAt(0, QColor(0xd9, 0x4a, 0x2b));
    fill.setColorAt(1, QColor(0x9c, 0x22, 0x14));
    p.setPen(QPen(QColor(0xf6, 0xd3, 0x8a), 1.5));
    p.setBrush(fill);
    p.drawRoundedRect(icon, 10, 10);

    QFont glyphFont(QStringLiteral("宋体"));
    glyphFont.setPixelSize(28);
    glyphFont.setBold(true);
    p.setFont(glyphFont);
    p.setPen(QColor(0xff, 0xf4, 0xd6));
    p.drawText(icon, Qt::AlignCenter, face.glyph);

    QFont labelFont(QStringLiteral("宋体"));
    labelFont.setPixelSize(12);
    p.setFont(labelFont);
    p.setPen(QColor(0xff, 0xf4, 0xd6));
    p.drawText(QRect(face.rect.x(), face.rect.y() + 57, face.rect.width(), 18), Qt::AlignCenter, face.label);
}

void paintFrameButton(QPainter& p, const QRect& r, bool close)
{
    p.setPen(QPen(QColor(0xf6, 0xd3, 0x8a), 1));
    p.setBrush(QColor(0x7a, 0x1a, 0x10));
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    p.setPen(QPen(QColor(0xff, 0xf4, 0xd6), 1.6));
    const QPointF c = QRectF(r).center();
    if (close) {
        p.drawLine(c + QPointF(-4, -4), c + QPointF(4, 4));
        p.drawLine(c + QPointF(-4, 4), c + QPointF(4, -4));
    } else {
        p.drawLine(c + QPointF(-5, 3), c + QPointF(5, 3));
    }
}

}  // namespace

QPixmap paintMainBackground()
{
    QPixmap pixmap(kWindowWidth, kWindowHeight);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, 104);
    sky.setColorAt(0, QColor(0xb8, 0x2c, 0x1a));
    sky.setColorAt(1, QColor(0x6e, 0x14, 0x0c));
    p.fillRect(0, 0, kWindowWidth, 104, sky);
    p.fillRect(0, 104, kWindowWidth, kWindowHeight - 104, kPaper);

    QFont titleFont(QStringLiteral("宋体"));
    titleFont.setPixelSize(14);
    titleFont.setBold(true);
    p.setFont(titleFont);
    p.setPen(QColor(0xff, 0xe9, 0xb0));
    p.drawText(QRect(10, 2, 660, 18), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("嘉名 · 宝宝起名、姓名评分与四柱八字"));

    for (const auto& face : toolbarFaces()) paintButtonFace(p, face);
    paintFrameButton(p, minimiseButtonRect(), false);
    paintFrameButton(p, closeButtonRect(), true);

    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(pagePanelRect().adjusted(-1, -1, 0, 0));
    QFont footFont(QStringLiteral("宋体"));
    footFont.setPixelSize(12);
    p.setFont(footFont);
    p.setPen(kInk);
    p.drawText(QRect(10, 566, 780, 20), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("嘉名：为新生宝宝起一个好名字"));
    p.end();
    return pixmap;
}
