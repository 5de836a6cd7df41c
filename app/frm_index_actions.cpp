// The report actions of the main window's pages: read the page's row, build the report, show it.
#include "frm_index.h"

#include "app/report_pane.h"
#include "calendar/bazi_report.h"
#include "numerology/name_page_report.h"

#include <QDate>
#include <QLineEdit>
#include <QPlainTextEdit>

void TFrmIndex::RzButton1Click()
{
    const NamePageInput in{birthRow3.surname->text(), birthRow3.givenName->text(), readBirthInfo(birthRow3)};
    showReport(this, RzMemo1, buildNamePageReport(in, QDate::currentDate()));
}

void TFrmIndex::RzButton2Click()
{
    const BaziReportInput in{birthRow2.surname->text(), birthRow2.givenName->text(), readBirthInfo(birthRow2)};
    if (showReport(this, REbazi, buildBaziReport(in, QDate::currentDate()), PaneUpdate::WholeOnly)) {
        Memo1->setPlainText(REbazi->toPlainText());
        Memo1->moveCursor(QTextCursor::Start);
    }
}

void TFrmIndex::RzBitBtn8Click()
{
    const QString name = birthRow2.surname->text().trimmed() + birthRow2.givenName->text().trimmed();
    saveReportLines(this, name, Memo1->toPlainText().split(u'\n'), askSavePath);
}
