// The detailed name analysis page (TabSheet3 of the main window): the birth row with the name,
// "分析", and the report pane RzMemo1 that the analysis fills line by line.
#pragma once

#include "app/birth_row.h"

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

class NamePage : public QWidget {
    Q_OBJECT
public:
    explicit NamePage(QWidget* parent = nullptr);

    BirthRow birthRow3;  // Xing3, NameB3, CBsex3, ComDate3, SYear3, SMonth3, Sday3, Shour3, CBFen3
    QPushButton* RzButton1;  // "分析"
    QPlainTextEdit* RzMemo1;

public slots:
    void RzButton1Click();
};
