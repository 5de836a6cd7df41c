#include "element_source_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>

ElementSourceBox::ElementSourceBox(ElementChoice& choice, QWidget* parent)
    : QWidget(parent), CBwuxingSource(new QComboBox(this)), choice_(choice)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    CBwuxingSource->setObjectName(QStringLiteral("CBwuxingSource"));
    CBwuxingSource->addItems(ElementSourceItems());
    CBwuxingSource->setCurrentIndex(int(choice.source));
    layout->addWidget(CBwuxingSource);
    const QString elements = QStringLiteral("金木水火土");
    for (int i = 0; i < 5; ++i) {
        tickBoxes[i] = new QCheckBox(elements.at(i), this);
        tickBoxes[i]->setObjectName(QStringLiteral("CBwuxingTick%1").arg(i + 1));
        tickBoxes[i]->setChecked(choice.ticked.contains(elements.at(i)));
        layout->addWidget(tickBoxes[i]);
        connect(tickBoxes[i], &QCheckBox::toggled, this, &ElementSourceBox::choiceChanged);
    }
    connect(CBwuxingSource, &QComboBox::currentIndexChanged, this, &ElementSourceBox::choiceChanged);
    choiceChanged();
}

void ElementSourceBox::choiceChanged()
{
    choice_.source = ElementSource(std::max(0, CBwuxingSource->currentIndex()));
    const bool ticking = choice_.source == ElementSource::Ticked;
    choice_.ticked.clear();
    for (QCheckBox* box : tickBoxes) {
        box->setEnabled(ticking);
        if (box->isChecked()) choice_.ticked += box->text();
    }
}
