#include "form_huangdao.h"

#include "app/notice.h"
#include "calendar/almanac_lookup.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// The table covers 1900 … 2100, so the year list does too.
constexpr int kFirstAlmanacYear = 1900;
constexpr int kLastAlmanacYear = 2100;

QStringList numberItems(int first, int last, int width)
{
    QStringList items;
    for (int n = first; n <= last; ++n) items << QStringLiteral("%1").arg(n, width, 10, QLatin1Char('0'));
    return items;
}

QComboBox* addCombo(QWidget* parent, QBoxLayout* bar, const char* name, const QStringList& items, const QString& unit)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->addItems(items);
    bar->addWidget(box);
    bar->addWidget(new QLabel(unit, parent));
    return box;
}

QPushButton* addButton(QWidget* parent, QBoxLayout* bar, const char* name, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    bar->addWidget(button);
    return button;
}

QPlainTextEdit* addMemo(QWidget* parent, QBoxLayout* page, const char* name, const QString& group, int stretch)
{
    auto* box = new QGroupBox(group, parent);
    auto* layout = new QVBoxLayout(box);
    auto* memo = new QPlainTextEdit(box);
    memo->setObjectName(QString::fromLatin1(name));
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(memo);
    page->addWidget(box, stretch);
    return memo;
}

}  // namespace

TFormHuangdao::TFormHuangdao(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormHuangdao"));
    setWindowTitle(QStringLiteral("黄道吉日"));
    resize(620, 560);

    auto* page = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    page->addLayout(bar);
    RzLabel1 = new QLabel(QStringLiteral("选择黄历："), this);
    RzLabel1->setObjectName(QStringLiteral("RzLabel1"));
    bar->addWidget(RzLabel1);
    SYear = addCombo(this, bar, "SYear", numberItems(kFirstAlmanacYear, kLastAlmanacYear, 4), QStringLiteral("年"));
    SMonth = addCombo(this, bar, "SMonth", numberItems(1, 12, 2), QStringLiteral("月"));
    Sday = addCombo(this, bar, "Sday", numberItems(1, 31, 2), QStringLiteral("日"));
    RzBitBtn1 = addButton(this, bar, "RzBitBtn1", QStringLiteral("测算"));
    RzBitBtn2 = addButton(this, bar, "RzBitBtn2", QStringLiteral("关闭"));
    bar->addStretch();
    connect(RzBitBtn1, &QPushButton::clicked, this, &TFormHuangdao::RzBitBtn1Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, &TFormHuangdao::RzBitBtn2Click);

    auto* summary = new QHBoxLayout;
    page->addLayout(summary);
    RzLabel3 = new QLabel(QStringLiteral("当日统览："), this);
    RzLabel3->setObjectName(QStringLiteral("RzLabel3"));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setStyleSheet(QStringLiteral("QLabel#Label1 { color: rgb(255, 0, 0); font-weight: bold; }"));
    summary->addWidget(RzLabel3, 0, Qt::AlignTop);
    summary->addWidget(Label1, 1);

    Memo1 = addMemo(this, page, "Memo1", QStringLiteral("测算结果："), 3);
    Memo2 = addMemo(this, page, "Memo2", QStringLiteral("黄历名词解释："), 2);
    Memo2->setReadOnly(true);
    Memo2->setPlainText(AlmanacGlossary().join(u'\n'));
}

void TFormHuangdao::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TFormHuangdao::FormShow()
{
    const QDate today = QDate::currentDate();
    SYear->setEditText(today.toString(QStringLiteral("yyyy")));
    SMonth->setEditText(today.toString(QStringLiteral("MM")));
    Sday->setEditText(today.toString(QStringLiteral("dd")));
    RzBitBtn1Click();
}

void TFormHuangdao::RzBitBtn1Click()
{
    const auto request = CheckAlmanacDate(SYear->currentText(), SMonth->currentText(), Sday->currentText());
    if (!request) {
        showNotice(this, request.error());
        return;
    }
    runAction(this, [&] {
        const auto page = LookupAlmanac(*request);
        if (!page) return;  // no row: the previous entry stays on screen
        Label1->setText(page->label);
        Memo1->setPlainText(page->lines.join(u'\n'));
    });
}

void TFormHuangdao::RzBitBtn2Click() { close(); }
