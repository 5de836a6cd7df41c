#include "element_source.h"

#include "calendar/element_strength.h"
#include "calendar/missing_elements.h"

QStringList ElementSourceItems()
{
    return {QStringLiteral("八字所缺五行"), QStringLiteral("八字喜用神"), QStringLiteral("自选五行")};
}

Expected<QString, QString> ChartElementsFor(const BirthInfo& birth, const ElementChoice& choice)
{
    switch (choice.source) {
    case ElementSource::Ticked: {
        QString elements;
        for (const QChar element : QStringLiteral("金木水火土"))
            if (choice.ticked.contains(element)) elements += element;
        if (elements.isEmpty()) return unexpected(QStringLiteral("请至少勾选一种五行!"));
        return elements;
    }
    case ElementSource::Favourable: {
        const auto chart = CastBirthChart(birth);
        if (!chart) return unexpected(chart.error());
        return ElementStrengthOf(*chart).favourableText();
    }
    case ElementSource::Lacking:
        break;
    }
    return ComputeMissingElements(birth);
}
