// The English-name page (TabSheet4): a short text on choosing an English name, the sex, and "分析",
// which lists the English given names of that sex from the hidden lists nan and nv.
#pragma once

#include <QWidget>

class QComboBox;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

class EnglishNamesPage : public QWidget {
    Q_OBJECT
public:
    explicit EnglishNamesPage(QWidget* parent = nullptr);

    QPlainTextEdit* RzMemo2;
    QComboBox* CBEngSex;
    QPushButton* RzButton3;  // "分析"
    QListWidget* TreeView;
    QPlainTextEdit *nan, *nv;  // hidden: the boys' and the girls' names, one entry a line

public slots:
    void RzButton3Click();
};
