#include "birth_row.h"

#include "app/birth_details.h"
#include "app/birth_place_box.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

QComboBox* addCombo(QWidget* parent, QBoxLayout* layout, const QString& name, const QString& label,
                    const QStringList& items, const QString& defaultText, bool editable)
{
    if (!label.isEmpty()) layout->addWidget(new QLabel(label, parent));
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(editable);
    box->addItems(items);
    box->setCurrentIndex(int(items.indexOf(defaultText)));
    box->setMaxVisibleItems(16);
    layout->addWidget(box);
    return box;
}

QLineEdit* addEdit(QWidget* parent, QBoxLayout* layout, const QString& name, const QString& label, int maxChars)
{
    layout->addWidget(new QLabel(label, parent));
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(maxChars);
    edit->setFixedWidth(64);
    layout->addWidget(edit);
    return edit;
}

// Shows a value unless the box shows it already, so the box the user is typing in keeps its cursor.
void showValue(QComboBox* box, const QString& value)
{
    if (box->currentText() == value) return;
    if (const int i = box->findText(value); i >= 0) box->setCurrentIndex(i);
    else if (box->isEditable()) box->setEditText(value);
}

void showDetails(const BirthRow& row)
{
    const BirthDetails& details = BirthDetails::shared();
    if (row.surname && details.surname() && row.surname->text() != *details.surname())
        row.surname->setText(*details.surname());
    if (!details.birth()) return;
    const BirthInfo& b = *details.birth();
    const std::pair<QComboBox*, const QString&> boxes[] = {{row.sex, b.sex},   {row.calendarKind, b.calendarKind},
                                                           {row.year, b.year}, {row.month, b.month},
                                                           {row.day, b.day},   {row.hour, b.hour},
                                                           {row.minute, b.minute}};
    for (const auto& [box, value] : boxes) showValue(box, value);
}

}  // namespace

void shareBirthDetails(const BirthRow& row)
{
    showDetails(row);
    BirthDetails& details = BirthDetails::shared();
    QObject::connect(&details, &BirthDetails::changed, row.sex, [row] { showDetails(row); });

    // Entered once the user's edit has settled (after any length limit of the page), as the whole
    // row: the details are one baby's, so the row that was changed last speaks for all of them.
    const auto enterLater = [row] {
        QMetaObject::invokeMethod(row.sex, [row] {
            const std::optional<QString> surname = row.surname ? std::optional(row.surname->text()) : std::nullopt;
            BirthDetails::shared().enter(surname, readBirthInfo(row));
        }, Qt::QueuedConnection);
    };
    if (row.surname) QObject::connect(row.surname, &QLineEdit::textEdited, row.sex, enterLater);
    for (QComboBox* box : {row.sex, row.calendarKind, row.year, row.month, row.day, row.hour, row.minute}) {
        QObject::connect(box, &QComboBox::activated, row.sex, enterLater);
        if (box->lineEdit()) QObject::connect(box->lineEdit(), &QLineEdit::textEdited, row.sex, enterLater);
    }
}

BirthRow addBirthRow(QWidget* parent, QBoxLayout* layout, const BirthRowNames& names, QDate firstDate,
                     int maxNameChars)
{
    if (!firstDate.isValid()) firstDate = QDate(1980, 1, 1);
    BirthRow row;
    if (!names.surname.isEmpty()) row.surname = addEdit(parent, layout, names.surname, QStringLiteral("姓"), maxNameChars);
    if (!names.givenName.isEmpty())
        row.givenName = addEdit(parent, layout, names.givenName, QStringLiteral("名"), maxNameChars);
    row.sex = addCombo(parent, layout, names.sex, QStringLiteral("性别"), {QStringLiteral("男"), QStringLiteral("女")},
                       QStringLiteral("男"), false);
    row.calendarKind = addCombo(parent, layout, names.calendarKind, QString(),
                                {QStringLiteral("公历"), QStringLiteral("农历")}, QStringLiteral("公历"), false);
    row.year = addCombo(parent, layout, names.year, QString(), yearItems(), QString::number(firstDate.year()), true);
    layout->addWidget(new QLabel(QStringLiteral("年"), parent));
    row.month = addCombo(parent, layout, names.month, QString(), numberItems(1, 12), QString::number(firstDate.month()), true);
    layout->addWidget(new QLabel(QStringLiteral("月"), parent));
    row.day = addCombo(parent, layout, names.day, QString(), numberItems(1, 31), QString::number(firstDate.day()), true);
    layout->addWidget(new QLabel(QStringLiteral("日"), parent));
    row.hour = addCombo(parent, layout, names.hour, QString(), hourItems(), QStringLiteral("子 0"), true);
    layout->addWidget(new QLabel(QStringLiteral("时"), parent));
    row.minute = addCombo(parent, layout, names.minute, QString(), numberItems(0, 59), QStringLiteral("0"), true);
    layout->addWidget(new QLabel(QStringLiteral("分"), parent));
    row.place = new BirthPlaceBox(QStringLiteral("Birth") + QString(names.year).remove(QStringLiteral("SYear")), parent);
    layout->addWidget(row.place);
    shareBirthDetails(row);
    return row;
}

BirthInfo readBirthInfo(const BirthRow& row)
{
    BirthInfo info;
    info.sex = row.sex->currentText();
    info.calendarKind = row.calendarKind->currentText();
    info.year = row.year->currentText();
    info.month = row.month->currentText();
    info.day = row.day->currentText();
    info.hour = row.hour->currentText();
    info.minute = row.minute->currentText();
    if (row.place) {
        info.place = row.place->placeText();
        info.longitude = row.place->longitudeText();
        info.ziHour = row.place->ziText();
    }
    return info;
}
