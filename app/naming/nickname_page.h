// The nickname page (TabSheet5): the child's birth moment and a nickname pattern; "分析" lists
// nicknames of that pattern suited to the sex, those of the elements the chart lacks first, and
// "常见小名" opens the article of common nicknames.
#pragma once

#include "app/birth_row.h"
#include "tools/reference/nicknames.h"

#include <QWidget>

class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

class NicknamePage : public QWidget {
    Q_OBJECT
public:
    explicit NicknamePage(QWidget* parent = nullptr);

    BirthRow birthRow5;  // XSex, Xdate, Xyear, Xmonth, Xday, XShour, Xfen
    QRadioButton *RzRadioButton1, *RzRadioButton2, *RzRadioButton3, *RzRadioButton4, *RzRadioButton5;
    QPushButton *RzButton4, *RzButton5;  // "分析", "常见小名"
    QPlainTextEdit* RzMemo4;
    QListWidget* TreeViewX;

    NicknamePattern checkedPattern() const;

public slots:
    void RzButton4Click();
    void RzButton5Click();
};
