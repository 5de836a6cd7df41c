// The shares of the five elements of a chart as five bars, each in its element's colour, with the
// element and its percentage beside it. Empty until shares are given.
#pragma once

#include <QColor>
#include <QWidget>
#include <array>
#include <optional>

class ElementBarChart : public QWidget {
    Q_OBJECT
public:
    explicit ElementBarChart(QWidget* parent = nullptr);

    // Percent, in the order 木 火 土 金 水.
    void setShares(const std::array<double, 5>& shares);
    void clear();
    const std::optional<std::array<double, 5>>& shares() const { return shares_; }

    // 木 green, 火 red, 土 ochre, 金 silver, 水 blue.
    static QColor elementColour(int element);
    // Where the bar of an element is drawn, in widget coordinates (empty for a share of 0).
    QRect barRect(int element) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<std::array<double, 5>> shares_;
};
