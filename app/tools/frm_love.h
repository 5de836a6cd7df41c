// "缘分测试 ": the match of two names by the difference of their simplified stroke totals.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class Tfrmlove : public QDialog {
    Q_OBJECT
public:
    explicit Tfrmlove(QWidget* parent = nullptr);

    QLabel *Label1, *Label2, *Label3, *Label4, *lbl1;
    QLineEdit *eYourName, *eotherName;
    QPushButton *RzBitBtn1, *RzBitBtn2;  // "测算", "重测"

public slots:
    void btncountClick();
    void RzBitBtn1Click() { btncountClick(); }
    void RzBitBtn2Click();

protected:
    // The window sees every key before its controls: Enter moves on like Tab and never tests.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool FormKeyPress(int key);
};
