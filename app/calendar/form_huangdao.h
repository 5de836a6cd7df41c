// The almanac window "黄道吉日": the traditional almanac entry of a chosen day from the table huangdao
// of KelBirth.dll, today's at once on opening, with a glossary of almanac terms below it.
#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class TFormHuangdao : public QDialog {
    Q_OBJECT
public:
    explicit TFormHuangdao(QWidget* parent = nullptr);

    QLabel *RzLabel1, *RzLabel3, *Label1;
    QComboBox *SYear, *SMonth, *Sday;
    QPushButton *RzBitBtn1, *RzBitBtn2;
    QPlainTextEdit *Memo1, *Memo2;

public slots:
    void RzBitBtn1Click();
    void RzBitBtn2Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
};
