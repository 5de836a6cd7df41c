#include "report_pane.h"

#include "app/app_font.h"
#include "app/notice.h"

#include <QBoxLayout>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

template <class Pane>
bool show(QWidget* parent, Pane* pane, const Report& report, PaneUpdate update)
{
    if (report.end == ReportEnd::Refused) {
        showNotice(parent, report.message);
        return false;
    }
    if (report.end == ReportEnd::DateError) {
        showEngineError(parent, report.message);
        return false;
    }
    if (update == PaneUpdate::WholeOnly && !report.complete()) {
        if (report.end == ReportEnd::Failed) showEngineError(parent, report.message);
        return false;
    }
    pane->setPlainText(report.lines.join(u'\n'));
    pane->moveCursor(QTextCursor::Start);
    if (report.end == ReportEnd::Failed) showEngineError(parent, report.message);
    return true;
}

}  // namespace

bool showReport(QWidget* parent, QTextEdit* pane, const Report& report, PaneUpdate update)
{
    return show(parent, pane, report, update);
}

bool showReport(QWidget* parent, QPlainTextEdit* pane, const Report& report, PaneUpdate update)
{
    return show(parent, pane, report, update);
}

QPlainTextEdit* addReportPane(QWidget* parent, QBoxLayout* layout, const char* name)
{
    auto* pane = new QPlainTextEdit(parent);
    pane->setObjectName(QString::fromLatin1(name));
    pane->setReadOnly(true);
    pane->setFont(reportFont());
    layout->addWidget(pane);
    return pane;
}
