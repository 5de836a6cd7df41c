// The three number-fortune windows. They share one layout and differ in their texts and in how
// they read a number: the QQ and any-number windows use the program's own table, the mobile
// window the rows of `shouji`.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
struct NumberFortune;

class NumberWindow : public QDialog {
    Q_OBJECT
public:
    enum class Kind { QQ, Mobile, AnyNumber };

    QLineEdit* edtmun;
    QPushButton *RzBitBtn1, *RzBitBtn2;          // "测算", "关闭"
    QLabel *RzLabel11, *RzLabel10, *RzLabel9, *RzLabel8;  // number, 状态, 吉凶, 具体表现

public slots:
    void RzBitBtn1Click();
    void RzBitBtn2Click();

protected:
    NumberWindow(Kind kind, QWidget* parent);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool edtmunKeyPress(int key, const QString& text);
    void FormShow();
    void showFortune(const QString& number, const NumberFortune& fortune);

    Kind kind_;
};

class TFrmQQhm : public NumberWindow {
    Q_OBJECT
public:
    explicit TFrmQQhm(QWidget* parent = nullptr) : NumberWindow(Kind::QQ, parent) {}
};

class TFrm_SJcs : public NumberWindow {
    Q_OBJECT
public:
    explicit TFrm_SJcs(QWidget* parent = nullptr) : NumberWindow(Kind::Mobile, parent) {}
};

class TFrm_onther : public NumberWindow {
    Q_OBJECT
public:
    explicit TFrm_onther(QWidget* parent = nullptr) : NumberWindow(Kind::AnyNumber, parent) {}
};
