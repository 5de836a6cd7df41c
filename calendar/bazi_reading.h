// The reading lines of a cast chart as both birth reports print them: ten gods, eight characters,
// five elements, nayin and the element count, and the nayin and ten-god lists of the luck
// pillars. Each line keeps its label and separators even when a lookup gives empty text.
#pragma once

#include "bazi_chart.h"

#include <QString>
#include <QStringList>

// Element characters of the eight characters (HzwhElement), as year, month, day and hour pairs
// joined by three blanks: 木水   火木   土土   土火.
QString ElementPairsText(const BaziChart& chart);

// Counts 金 木 水 火 土 among the characters at positions 1, 2, 6, 7, 11, 12, 16, 17 (1-based) of
// an ElementPairsText: "金:占0个, 木:占2个, 水:占1个, 火:占2个, 土:占3个". All five are always
// listed, in that order.
QString ElementTally(const QString& elementPairs);

QString TenGodsLine(const BaziChart& chart);      // 十神：偏印   比肩   日元   正官
QString EightCharactersLine(const BaziChart& chart);  // 八字：甲子   丙寅   戊辰   戊午
QString FiveElementsLine(const BaziChart& chart);     // 五行：木水   火木   土土   土火
QString NayinLine(const BaziChart& chart);            // 纳音：海中金 炉中火 大林木 天上火
QString ElementCountLine(const BaziChart& chart);     // 八字五行个数：金:占0个, …

// The five lines above, in that order.
QStringList BaziReadingLines(const BaziChart& chart);

// "纳音：" and the nayin of each luck pillar, each followed by one blank (the last too).
QString LuckNayinText(const BaziChart& chart);
// "十神：" and the ten god of each luck pillar's stem, each followed by three blanks (the last too).
QString LuckGodsText(const BaziChart& chart);
