#include "bazi_reading.h"

#include "bazi_lookup.h"

#include "data/char_dictionary.h"

namespace {

const QString kThreeBlanks = QStringLiteral("   ");

QString elementsOf(const QString& stem, const QString& branch) { return HzwhElement(stem) + HzwhElement(branch); }

}  // namespace

QString ElementPairsText(const BaziChart& c)
{
    return elementsOf(c.YS, c.YB) + kThreeBlanks + elementsOf(c.MS, c.MB) + kThreeBlanks + elementsOf(c.DS, c.DB)
           + kThreeBlanks + elementsOf(c.HS, c.HB);
}

QString ElementTally(const QString& elementPairs)
{
    static constexpr int kPositions[] = {1, 2, 6, 7, 11, 12, 16, 17};
    static constexpr char16_t kOrder[] = u"金木水火土";
    int counts[5] = {};
    for (int position : kPositions) {
        if (position > elementPairs.size()) continue;
        const QChar ch = elementPairs[position - 1];
        for (int e = 0; e < 5; ++e)
            if (ch == QChar(kOrder[e])) ++counts[e];
    }
    QStringList parts;
    for (int e = 0; e < 5; ++e) parts << QString(QChar(kOrder[e])) + QStringLiteral(":占") + QString::number(counts[e]) + u'个';
    return parts.join(QStringLiteral(", "));
}

QString TenGodsLine(const BaziChart& c)
{
    return QStringLiteral("十神：") + TenGodOf(c.DS, c.YS) + kThreeBlanks + TenGodOf(c.DS, c.MS) + kThreeBlanks
           + QStringLiteral("日元") + kThreeBlanks + TenGodOf(c.DS, c.HS);
}

QString EightCharactersLine(const BaziChart& c)
{
    return QStringLiteral("八字：") + c.YS + c.YB + kThreeBlanks + c.MS + c.MB + kThreeBlanks + c.DS + c.DB
           + kThreeBlanks + c.HS + c.HB;
}

QString FiveElementsLine(const BaziChart& c) { return QStringLiteral("五行：") + ElementPairsText(c); }

QString NayinLine(const BaziChart& c)
{
    return QStringLiteral("纳音：") + NayinOf(c.YS + c.YB) + u' ' + NayinOf(c.MS + c.MB) + u' ' + NayinOf(c.DS + c.DB)
           + u' ' + NayinOf(c.HS + c.HB);
}

QString ElementCountLine(const BaziChart& c) { return QStringLiteral("八字五行个数：") + ElementTally(ElementPairsText(c)); }

QStringList BaziReadingLines(const BaziChart& c)
{
    return {TenGodsLine(c), EightCharactersLine(c), FiveElementsLine(c), NayinLine(c), ElementCountLine(c)};
}

QString LuckNayinText(const BaziChart& c)
{
    QString text = QStringLiteral("纳音：");
    for (const Pillar& p : c.LuckPillars) text += NayinOf(p.text()) + u' ';
    return text;
}

QString LuckGodsText(const BaziChart& c)
{
    QString text = QStringLiteral("十神：");
    for (const Pillar& p : c.LuckPillars) text += TenGodOf(c.DS, p.text().left(1)) + kThreeBlanks;
    return text;
}
