#include "window_exit.h"

#include <QBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>

QPushButton* addCloseButton(QWidget* window, QBoxLayout* row)
{
    auto* button = new QPushButton(QStringLiteral("关闭"), window);
    button->setObjectName(QStringLiteral("closeButton"));
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, window, &QWidget::close);
    if (row) row->addWidget(button);
    return button;
}

void closeOnEscape(QWidget* window)
{
    auto* escape = new QShortcut(QKeySequence::Cancel, window);
    QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
}
