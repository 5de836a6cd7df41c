// The strength of the five elements in a chart, the day master's strength and the favourable
// elements (喜用神), as one school reads them; the reports present it as that, not as fact.
//
// The method, stated once here and in the knowledge article a2:
//   1. Every stem of the four pillars, the day stem too, counts 1 for its element.
//   2. Every branch counts 1, shared among its hidden stems: one stem takes all of it; two take
//      0.7 (main qi) and 0.3; three take 0.6, 0.3 and 0.1 (main, middle and residual qi).
//   3. The month branch's season weighs each element: 旺 (the season's own element) × 1.5,
//      相 (the element it produces) × 1.2, 休 (the element that produces it) × 1.0,
//      囚 (the element that controls it) × 0.8, 死 (the element it controls) × 0.6.
//      寅卯 are wood's season, 巳午 fire's, 申酉 metal's, 亥子 water's, 辰戌丑未 earth's.
//   4. The shares are the weighted sums in percent, to one decimal, summing to 100.
//   5. The day master is strong (强) when its own element and the element producing it hold 50 %
//      or more together, else weak (弱).
//   6. Favourable elements, by the method of support and restraint (扶抑): a strong day master
//      favours the element it produces (泄) and then the element it controls (耗); a weak one the
//      element that produces it (生) and then its own (扶).
#pragma once

#include "bazi_chart.h"

#include <QString>
#include <QStringList>
#include <array>

// Elements by index: 木 0, 火 1, 土 2, 金 3, 水 4 (each produces the next, and controls the one after).
inline constexpr int kElementCount = 5;
QString ElementName(int element);  // 木 火 土 金 水

struct ElementStrength {
    std::array<double, kElementCount> shares{};  // percent, one decimal, in the order 木 火 土 金 水
    int dayMasterElement = 0;
    double supportShare = 0;  // the day master's element and the one producing it, percent
    bool strong = false;
    std::array<int, 2> favourable{};  // first the useful (用), then the welcome (喜) element

    QString favourableText() const;  // e.g. 金水
};

ElementStrength ElementStrengthOf(Pillar year, Pillar month, Pillar day, Pillar hour);
ElementStrength ElementStrengthOf(const BaziChart& chart);

// The report lines:
//   五行力量：木34.9%   火29.5%   土22.1%   金0.0%   水13.5%
//   日主：戊土 身强（土与生土之火合占51.5%，过半为强）
//   喜用神：金水（扶抑法：身强取泄耗；一家之说，仅供参考）
QStringList ElementStrengthLines(const ElementStrength& strength, int dayStem);
