#include "name_page.h"

#include "app/report_pane.h"
#include "numerology/name_page_report.h"

#include <QBoxLayout>
#include <QDate>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

NamePage::NamePage(QWidget* parent) : QWidget(parent)
{
    auto* page = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    bar->setSpacing(4);
    page->addLayout(bar);
    birthRow3 = addBirthRow(this, bar,
                            {QStringLiteral("Xing3"), QStringLiteral("NameB3"), QStringLiteral("CBsex3"),
                             QStringLiteral("ComDate3"), QStringLiteral("SYear3"), QStringLiteral("SMonth3"),
                             QStringLiteral("Sday3"), QStringLiteral("Shour3"), QStringLiteral("CBFen3")});
    RzButton1 = new QPushButton(QStringLiteral("分析"), this);
    RzButton1->setObjectName(QStringLiteral("RzButton1"));
    connect(RzButton1, &QPushButton::clicked, this, &NamePage::RzButton1Click);
    bar->addWidget(RzButton1);
    bar->addStretch();
    RzMemo1 = addReportPane(this, page, "RzMemo1");
    RzMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void NamePage::RzButton1Click()
{
    const NamePageInput in{birthRow3.surname->text(), birthRow3.givenName->text(), readBirthInfo(birthRow3)};
    showReport(window(), RzMemo1, buildNamePageReport(in, QDate::currentDate()));
}
