// The bazi analysis page (TabSheet2 of the main window): the birth row, "分析" and "保存", and the
// report. The report is assembled in the hidden REbazi and copied into Memo1 only when complete, so
// Memo1 shows a whole report or keeps the one it had; "保存" saves what Memo1 shows.
#pragma once

#include "app/birth_row.h"
#include "app/report_saving.h"

#include <QWidget>

class ElementBarChart;
class QPlainTextEdit;
class QPushButton;

class BaziPage : public QWidget {
    Q_OBJECT
public:
    explicit BaziPage(QWidget* parent = nullptr);

    BirthRow birthRow2;  // Xing2, NameB2, CBsex2, ComDate2, SYear2, SMonth2, Sday2, Shour2, CBFen2
    QPushButton *RzButton2, *RzBitBtn8;  // "分析", "保存"
    QPlainTextEdit *Memo1, *REbazi;
    ElementBarChart* ElementBars;  // the shares of the five elements of the last report
    SavePathAsker askSavePath = defaultSavePathAsker();

public slots:
    void RzButton2Click();
    void RzBitBtn8Click();
};
