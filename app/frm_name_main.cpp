#include "frm_name_main.h"

#include "app/app_font.h"
#include "app/birth_row.h"
#include "app/notice.h"
#include "app/report_pane.h"
#include "app/window_opening.h"
#include "naming/shortlist.h"
#include "numerology/name_report.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

namespace {

// A combo box in the top bar with its caption before it, or with its unit (年, 月 …) after it.
enum class LabelSide { Before, After };

QComboBox* addCombo(QWidget* parent, QBoxLayout* bar, const char* name, const QString& label, const QStringList& items,
                    const QString& text, bool editable = true, LabelSide side = LabelSide::Before)
{
    if (!label.isEmpty() && side == LabelSide::Before) bar->addWidget(new QLabel(label, parent));
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(editable);
    box->addItems(items);
    if (editable) box->setEditText(text);
    else box->setCurrentText(text);
    bar->addWidget(box);
    if (!label.isEmpty() && side == LabelSide::After) bar->addWidget(new QLabel(label, parent));
    return box;
}

QComboBox* addDatePart(QWidget* parent, QBoxLayout* bar, const char* name, const QString& unit,
                       const QStringList& items, const QString& text)
{
    return addCombo(parent, bar, name, unit, items, text, true, LabelSide::After);
}

}  // namespace

TFrmNameMain::TFrmNameMain(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFrmNameMain"));
    setWindowTitle(QStringLiteral("姓名分析"));
    setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    resize(675, 502);

    auto* page = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    bar->setSpacing(3);
    page->addLayout(bar);
    auto addName = [&](const char* name, const QString& label) {
        bar->addWidget(new QLabel(label, this));
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setMaxLength(2);
        edit->setFixedWidth(40);
        bar->addWidget(edit);
        return edit;
    };
    NameA = addName("NameA", QStringLiteral("姓"));
    NameB = addName("NameB", QStringLiteral("名"));
    Sex = addCombo(this, bar, "Sex", QStringLiteral("性别"), {QStringLiteral("男"), QStringLiteral("女")}, QStringLiteral("男"));
    ComDate = addCombo(this, bar, "ComDate", QString(), {QStringLiteral("公历"), QStringLiteral("农历")},
                       QStringLiteral("公历"), false);
    SYear = addDatePart(this, bar, "SYear", QStringLiteral("年"), yearItems(1900, 2040), QStringLiteral("1980"));
    SMonth = addDatePart(this, bar, "SMonth", QStringLiteral("月"), numberItems(1, 12), QStringLiteral("1"));
    Sday = addDatePart(this, bar, "Sday", QStringLiteral("日"), numberItems(1, 31), QStringLiteral("1"));
    Shour = addDatePart(this, bar, "Shour", QStringLiteral("时"), hourItems(), QStringLiteral("子 0"));
    RzComboBox8 = addDatePart(this, bar, "RzComboBox8", QStringLiteral("分"), numberItems(0, 59, true), QStringLiteral("0"));
    shareBirthDetails({NameA, nullptr, Sex, ComDate, SYear, SMonth, Sday, Shour, RzComboBox8});

    // The buttons sit on a second row of the top panel, so the window keeps its 675-pixel width.
    bar->addStretch();
    bar = new QHBoxLayout;
    bar->addStretch();
    page->addLayout(bar);
    auto addButton = [&](const char* name, const QString& text, void (TFrmNameMain::*slot)()) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, slot);
        bar->addWidget(button);
        return button;
    };
    RzButton1 = addButton("RzButton1", QStringLiteral("姓名分析"), &TFrmNameMain::RzButton1Click);
    BitBtnsave = addButton("BitBtnsave", QStringLiteral("保存"), &TFrmNameMain::dxBarButton2Click);
    addToShortlistButton = addButton("addToShortlistButton", QStringLiteral("加入已选"), &TFrmNameMain::addToShortlist);
    addToShortlistButton->hide();
    RzBitBtn4 = addButton("RzBitBtn4", QStringLiteral("退出"), &TFrmNameMain::dxBarButton5Click);

    RzMemo1 = new QTextEdit(this);
    RzMemo1->setObjectName(QStringLiteral("RzMemo1"));
    RzMemo1->setReadOnly(true);
    RzMemo1->setFont(reportFont());
    RzMemo1->setAcceptRichText(false);
    RzMemo1->setLineWrapMode(QTextEdit::NoWrap);
    RzMemo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RzMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    page->addWidget(RzMemo1);
}

void TFrmNameMain::ShowNameAnalysis(QWidget* parent, const QString& surname, const QString& sex, const QString& year,
                                    const QString& givenName, int calendarIndex, const QString& minute,
                                    const QString& hour, const QString& day, const QString& month,
                                    Shortlist* shortlist)
{
    openOwnedWindow<TFrmNameMain>(parent, Qt::ApplicationModal, [&](TFrmNameMain& window) {
        window.fill(surname, sex, year, givenName, calendarIndex, minute, hour, day, month);
        window.setShortlist(shortlist);
    });
}

void TFrmNameMain::setShortlist(Shortlist* shortlist)
{
    shortlist_ = shortlist;
    addToShortlistButton->setVisible(shortlist != nullptr);
}

void TFrmNameMain::addToShortlist()
{
    if (!shortlist_) return;
    const ShortlistName name{NameA->text().trimmed(), NameB->text().trimmed(), {}, {}};
    if (name.surname.isEmpty()) return showNotice(this, QStringLiteral("姓不能为空!"));
    if (name.givenName.isEmpty()) return showNotice(this, QStringLiteral("名不能为空!"));
    if (shortlist_->contains(name.fullName()))
        return showNotice(this, name.fullName() + QStringLiteral(" 已在已选名字中"));
    runAction(this, [&] {
        ShortlistName kept = name;
        kept.line = shortlistLineOf(name);
        shortlist_->add(kept);
        showNotice(this, QStringLiteral("已把 ") + name.fullName() + QStringLiteral(" 加入已选名字"));
    });
}

void TFrmNameMain::fill(const QString& surname, const QString& sex, const QString& year, const QString& givenName,
                        int calendarIndex, const QString& minute, const QString& hour, const QString& day,
                        const QString& month)
{
    NameA->setText(surname);
    NameB->setText(givenName);
    Sex->setCurrentIndex(sex == QStringLiteral("男") ? 0 : 1);
    SYear->setEditText(year);
    SMonth->setEditText(month);
    Sday->setEditText(day);
    Shour->setEditText(hour);
    RzComboBox8->setEditText(minute);
    ComDate->setCurrentIndex(calendarIndex == 1 ? 1 : 0);
}

void TFrmNameMain::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TFrmNameMain::FormShow()
{
    if (!NameA->text().trimmed().isEmpty() && !NameB->text().trimmed().isEmpty()) RzButton1Click();
    NameA->setFocus();
}

void TFrmNameMain::RzButton1Click()
{
    NameReportInput in{NameA->text(), NameB->text(), {}};
    in.birth.sex = Sex->currentText();
    in.birth.calendarKind = ComDate->currentText();
    in.birth.year = SYear->currentText();
    in.birth.month = SMonth->currentText();
    in.birth.day = Sday->currentText();
    in.birth.hour = Shour->currentText();
    in.birth.minute = RzComboBox8->currentText();

    const Report report = buildNameReport(in, QDate::currentDate());
    if (report.changesPane()) {
        storedSurname_ = in.surname.trimmed();
        storedGiven_ = in.givenName.trimmed();
    }
    showReport(this, RzMemo1, report);
}

void TFrmNameMain::dxBarButton2Click()
{
    saveReportLines(this, storedSurname_ + storedGiven_, RzMemo1->toPlainText().split(u'\n'), askSavePath);
}

void TFrmNameMain::dxBarButton5Click()
{
    close();
}
