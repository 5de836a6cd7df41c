// The top row shared by the number and net-name windows: a label, the input box `edtmun` and the
// buttons "测算" (RzBitBtn1) and "关闭" (RzBitBtn2). Enter in the box belongs to the window, so the
// buttons never act as default buttons.
#pragma once

#include <QString>

class QBoxLayout;
class QLineEdit;
class QPushButton;
class QWidget;

struct ToolInputRow {
    QLineEdit* edtmun;
    QPushButton *RzBitBtn1, *RzBitBtn2;
};

ToolInputRow addToolInputRow(QWidget* window, QBoxLayout* page, const QString& label);
