// The report actions of the main window's pages: read the page's row, build the report, show it.
#include "frm_index.h"

#include "app/report_pane.h"
#include "numerology/name_page_report.h"

#include <QDate>
#include <QLineEdit>

void TFrmIndex::RzButton1Click()
{
    const NamePageInput in{birthRow3.surname->text(), birthRow3.givenName->text(), readBirthInfo(birthRow3)};
    showReport(this, RzMemo1, buildNamePageReport(in, QDate::currentDate()));
}
