// Which elements "自动根据八字五行匹配取名" matches: a choice of 八字所缺五行 (the default),
// 八字喜用神 or 自选五行 with five boxes to tick. It writes the naming state's elementChoice, which
// every naming mode reads, so one choice holds for all of them.
#pragma once

#include "naming/element_source.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;

class ElementSourceBox : public QWidget {
    Q_OBJECT
public:
    ElementSourceBox(ElementChoice& choice, QWidget* parent = nullptr);

    QComboBox* CBwuxingSource;               // ElementSourceItems()
    std::array<QCheckBox*, 5> tickBoxes{};   // 金 木 水 火 土, enabled for 自选五行

private slots:
    void choiceChanged();

private:
    ElementChoice& choice_;
};
