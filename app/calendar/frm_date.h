// The calendar window "嘉名日历": one solar month as a grid of days, each with its lunar day, month,
// term or festival below it, the year's animal and the selected day's sign. It only displays;
// "关闭" and Escape close it.
#pragma once

#include <QDate>
#include <QDialog>
#include <array>

class QFrame;
class QLabel;
class QSpinBox;

class TFRM_Date : public QDialog {
    Q_OBJECT
public:
    explicit TFRM_Date(QWidget* parent = nullptr);

    // The date that opens with the window; today unless a caller (a test) sets another before showing.
    QDate selectedDate() const { return selected_; }
    void setSelectedDate(const QDate& date) { selected_ = date; }

    QLabel *Label1, *Label17, *Label20, *Label16, *Label21, *Label22;
    QSpinBox *UpDown1, *UpDown2;
    QLabel* StaticText1;
    QFrame* Shape2;
    QLabel *day1, *Cnday;  // templates of the grid's solar number and lunar text
    std::array<QLabel*, 7> weekdayHeaders{};

    // The 37 label pairs; pair i (1 … 37) is element i − 1. Each label's "tag" property holds its day.
    struct DayGrid {
        std::array<QLabel*, 37> solar{};
        std::array<QLabel*, 37> lunar{};
    } grid;

public slots:
    void Label1Click();
    void Label17Click();
    void UpDown1Click(int position);
    void UpDown2Click(int position);
    void StaticText1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void drawMonth(const QDate& x);
    void moveShapeToSolar(const QLabel* solar);
    void dayLabelMouseDown(QLabel* label);
    void dayLabelClick(const QLabel* label);

    QDate selected_ = QDate::currentDate();
    int year_ = 0, month_ = 0, day_ = 0;
    bool wasActive_ = false;
};
