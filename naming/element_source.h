// Which elements "自动根据八字五行匹配取名" looks for: those the chart lacks (the default), the
// favourable elements (喜用神) of the chart's strength, or the ones the parent ticks. Every naming
// mode that matches elements asks this one function, so all of them follow the same choice.
#pragma once

#include "data/birth_info.h"
#include "data/expected.h"

#include <QString>
#include <QStringList>

enum class ElementSource { Lacking, Favourable, Ticked };

struct ElementChoice {
    ElementSource source = ElementSource::Lacking;
    QString ticked;  // for Ticked: the elements chosen, any of 金木水火土
};

// "八字所缺五行", "八字喜用神", "自选五行", in the order of ElementSource.
QStringList ElementSourceItems();

// The elements to look for, in the order 金 木 水 火 土 for Lacking and Ticked and 用 then 喜 for
// Favourable. Lacking and Favourable cast the birth's chart (errors as CastBirthChart); Ticked
// needs no birth and refuses an empty choice with "请至少勾选一种五行!".
Expected<QString, QString> ChartElementsFor(const BirthInfo& birth, const ElementChoice& choice);
