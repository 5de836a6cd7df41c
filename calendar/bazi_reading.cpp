#include "bazi_reading.h"

#include "bazi_lookup.h"

#include "data/char_dictionary.h"

namespace {

const QString kThreeBlanks = QStringLiteral("   ");

QString elementsOf(Pillar p) { return HzwhElement(p.stemText()) + HzwhElement(p.branchText()); }

// The ten god of a stem character for the chart's day stem.
QString tenGodOf(const BaziChart& c, const QString& stem) { return TenGodOf(c.dayPillar.stemText(), stem); }

}  // namespace

QString ElementPairsText(const BaziChart& c)
{
    return elementsOf(c.yearPillar) + kThreeBlanks + elementsOf(c.monthPillar) + kThreeBlanks + elementsOf(c.dayPillar)
           + kThreeBlanks + elementsOf(c.hourPillar);
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
    return QStringLiteral("十神：") + tenGodOf(c, c.yearPillar.stemText()) + kThreeBlanks
           + tenGodOf(c, c.monthPillar.stemText()) + kThreeBlanks + QStringLiteral("日元") + kThreeBlanks
           + tenGodOf(c, c.hourPillar.stemText());
}

QString EightCharactersLine(const BaziChart& c)
{
    return QStringLiteral("八字：") + c.yearPillar.text() + kThreeBlanks + c.monthPillar.text() + kThreeBlanks
           + c.dayPillar.text() + kThreeBlanks + c.hourPillar.text();
}

QString FiveElementsLine(const BaziChart& c) { return QStringLiteral("五行：") + ElementPairsText(c); }

QString NayinLine(const BaziChart& c)
{
    return QStringLiteral("纳音：") + NayinOf(c.yearPillar.text()) + u' ' + NayinOf(c.monthPillar.text()) + u' '
           + NayinOf(c.dayPillar.text()) + u' ' + NayinOf(c.hourPillar.text());
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
    for (const Pillar& p : c.LuckPillars) text += tenGodOf(c, p.stemText()) + kThreeBlanks;
    return text;
}
