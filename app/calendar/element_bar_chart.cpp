#include "element_bar_chart.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int kRowHeight = 22;
constexpr int kBarHeight = 14;
constexpr int kLabelWidth = 28;   // the element character
constexpr int kValueWidth = 52;   // "100.0%"
constexpr int kMargin = 6;
const QString kElements = QStringLiteral("木火土金水");

}  // namespace

ElementBarChart::ElementBarChart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ElementBars"));
    setMinimumHeight(5 * kRowHeight + 2 * kMargin);
}

void ElementBarChart::setShares(const std::array<double, 5>& shares)
{
    shares_ = shares;
    QStringList tip;
    for (int e = 0; e < 5; ++e) tip << kElements.at(e) + QString::number(shares[e], 'f', 1) + u'%';
    setToolTip(QStringLiteral("五行力量：") + tip.join(QStringLiteral("  ")));
    update();
}

void ElementBarChart::clear()
{
    shares_.reset();
    setToolTip(QString());
    update();
}

QColor ElementBarChart::elementColour(int element)
{
    static const std::array<QColor, 5> colours = {QColor(0x2e, 0x8b, 0x57), QColor(0xd9, 0x40, 0x2b),
                                                  QColor(0xc0, 0x8a, 0x2e), QColor(0xa0, 0xa4, 0xaa),
                                                  QColor(0x2b, 0x6c, 0xb0)};
    return colours.at(std::size_t(element) % colours.size());
}

QRect ElementBarChart::barRect(int element) const
{
    if (!shares_ || element < 0 || element >= 5) return {};
    const int full = width() - 2 * kMargin - kLabelWidth - kValueWidth;
    const int length = int(full * std::clamp((*shares_)[element], 0.0, 100.0) / 100.0 + 0.5);
    if (length <= 0) return {};
    const int top = kMargin + element * kRowHeight + (kRowHeight - kBarHeight) / 2;
    return {kMargin + kLabelWidth, top, length, kBarHeight};
}

QSize ElementBarChart::sizeHint() const { return {320, 5 * kRowHeight + 2 * kMargin}; }

void ElementBarChart::paintEvent(QPaintEvent*)
{
    if (!shares_) return;
    QPainter p(this);
    const int valueLeft = width() - kMargin - kValueWidth;
    for (int e = 0; e < 5; ++e) {
        const QRect row(kMargin, kMargin + e * kRowHeight, width() - 2 * kMargin, kRowHeight);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(QRect(row.left(), row.top(), kLabelWidth, kRowHeight), Qt::AlignCenter, kElements.at(e));
        p.drawText(QRect(valueLeft, row.top(), kValueWidth, kRowHeight), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number((*shares_)[e], 'f', 1) + u'%');
        if (const QRect bar = barRect(e); !bar.isEmpty()) p.fillRect(bar, elementColour(e));
    }
}
