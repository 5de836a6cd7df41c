#include "bazi_page.h"

#include "app/calendar/element_bar_chart.h"
#include "app/report_pane.h"
#include "calendar/bazi_report.h"
#include "calendar/element_strength.h"
#include "calendar/missing_elements.h"

#include <QBoxLayout>
#include <QDate>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

BaziPage::BaziPage(QWidget* parent) : QWidget(parent)
{
    auto* page = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    bar->setSpacing(4);
    page->addLayout(bar);
    birthRow2 = addBirthRow(this, bar,
                            {QStringLiteral("Xing2"), QStringLiteral("NameB2"), QStringLiteral("CBsex2"),
                             QStringLiteral("ComDate2"), QStringLiteral("SYear2"), QStringLiteral("SMonth2"),
                             QStringLiteral("Sday2"), QStringLiteral("Shour2"), QStringLiteral("CBFen2")});
    auto addButton = [&](const char* name, const QString& text, void (BaziPage::*slot)()) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QString::fromLatin1(name));
        connect(button, &QPushButton::clicked, this, slot);
        bar->addWidget(button);
        return button;
    };
    RzButton2 = addButton("RzButton2", QStringLiteral("分析"), &BaziPage::RzButton2Click);
    RzBitBtn8 = addButton("RzBitBtn8", QStringLiteral("保存"), &BaziPage::RzBitBtn8Click);
    bar->addStretch();
    auto* body = new QHBoxLayout;
    page->addLayout(body, 1);
    Memo1 = addReportPane(this, body, "Memo1");
    ElementBars = new ElementBarChart(this);
    ElementBars->setFixedWidth(260);
    body->addWidget(ElementBars, 0, Qt::AlignTop);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    REbazi = new QPlainTextEdit(this);
    REbazi->setObjectName(QStringLiteral("REbazi"));
    REbazi->hide();
}

void BaziPage::RzButton2Click()
{
    const BaziReportInput in{birthRow2.surname->text(), birthRow2.givenName->text(), readBirthInfo(birthRow2)};
    if (showReport(window(), REbazi, buildBaziReport(in, QDate::currentDate()), PaneUpdate::WholeOnly)) {
        Memo1->setPlainText(REbazi->toPlainText());
        Memo1->moveCursor(QTextCursor::Start);
        // The same cast as the report's, so the bars show the shares its lines print.
        if (const auto chart = CastBirthChart(in.birth)) ElementBars->setShares(ElementStrengthOf(*chart).shares);
    }
}

void BaziPage::RzBitBtn8Click()
{
    const QString name = birthRow2.surname->text().trimmed() + birthRow2.givenName->text().trimmed();
    saveReportLines(window(), name, Memo1->toPlainText().split(u'\n'), askSavePath);
}
