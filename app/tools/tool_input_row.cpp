#include "tool_input_row.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

ToolInputRow addToolInputRow(QWidget* window, QBoxLayout* page, const QString& label)
{
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(label, window));
    ToolInputRow controls{new QLineEdit(window), new QPushButton(QStringLiteral("测算"), window),
                          new QPushButton(QStringLiteral("关闭"), window)};
    controls.edtmun->setObjectName(QStringLiteral("edtmun"));
    controls.RzBitBtn1->setObjectName(QStringLiteral("RzBitBtn1"));
    controls.RzBitBtn2->setObjectName(QStringLiteral("RzBitBtn2"));
    row->addWidget(controls.edtmun);
    for (QPushButton* b : {controls.RzBitBtn1, controls.RzBitBtn2}) {
        b->setAutoDefault(false);
        row->addWidget(b);
    }
    page->addLayout(row);
    return controls;
}
