// The modal window "姓名分析": one name with a birth date, analysed into a report that can be saved.
// The result lists open it with a generated name, and it then analyses at once.
#pragma once

#include "app/report_saving.h"

#include <QDialog>
#include <QPointer>

class Shortlist;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTextEdit;

class TFrmNameMain : public QDialog {
    Q_OBJECT
public:
    explicit TFrmNameMain(QWidget* parent = nullptr);

    // Opens a new window with a name and birth inputs, application-modal; it is deleted when closed
    // and the call returns at once. With a shortlist, the window offers "加入已选" for its name.
    static void ShowNameAnalysis(QWidget* parent, const QString& surname, const QString& sex, const QString& year,
                                 const QString& givenName, int calendarIndex, const QString& minute,
                                 const QString& hour, const QString& day, const QString& month,
                                 Shortlist* shortlist = nullptr);
    // The same set-up without showing, for callers that show it themselves (and tests).
    void fill(const QString& surname, const QString& sex, const QString& year, const QString& givenName,
              int calendarIndex, const QString& minute, const QString& hour, const QString& day, const QString& month);

    SavePathAsker askSavePath = defaultSavePathAsker();
    // The shortlist "加入已选" adds to; the button shows only while there is one.
    void setShortlist(Shortlist* shortlist);

    QLineEdit *NameA, *NameB;
    QComboBox *Sex, *ComDate, *SYear, *SMonth, *Sday, *Shour, *RzComboBox8;
    QPushButton *RzButton1, *BitBtnsave, *RzBitBtn4;
    QPushButton* addToShortlistButton;  // 加入已选
    QTextEdit* RzMemo1;

public slots:
    void RzButton1Click();
    void dxBarButton2Click();
    void dxBarButton5Click();
    void addToShortlist();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();

    // Kept from the last analysis that passed its checks; saving names the file after them.
    QString storedSurname_, storedGiven_;
    QPointer<Shortlist> shortlist_;
};
