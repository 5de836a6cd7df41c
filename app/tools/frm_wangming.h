// "网名与性格": a personality read from the last letter of a nickname's spelling.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TFrmWangming : public QDialog {
    Q_OBJECT
public:
    explicit TFrmWangming(QWidget* parent = nullptr);

    QLineEdit* edtmun;
    QPushButton *RzBitBtn1, *RzBitBtn2;  // "测算", "关闭"
    QLabel *RzLabel11, *RzLabel8;        // the name line, the personality line

public slots:
    void RzBitBtn1Click();
    void RzBitBtn2Click() { close(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
