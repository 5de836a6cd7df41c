#include "birth_row.h"

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

}  // namespace

BirthRow addBirthRow(QWidget* parent, QBoxLayout* layout, const BirthRowNames& names, int maxNameChars)
{
    BirthRow row;
    if (!names.surname.isEmpty()) row.surname = addEdit(parent, layout, names.surname, QStringLiteral("姓"), maxNameChars);
    if (!names.givenName.isEmpty())
        row.givenName = addEdit(parent, layout, names.givenName, QStringLiteral("名"), maxNameChars);
    row.sex = addCombo(parent, layout, names.sex, QStringLiteral("姓别"), {QStringLiteral("男"), QStringLiteral("女")},
                       QStringLiteral("男"), false);
    row.calendarKind = addCombo(parent, layout, names.calendarKind, QString(),
                                {QStringLiteral("公历"), QStringLiteral("农历")}, QStringLiteral("公历"), false);
    row.year = addCombo(parent, layout, names.year, QString(), yearItems(), QStringLiteral("1980"), true);
    layout->addWidget(new QLabel(QStringLiteral("年"), parent));
    row.month = addCombo(parent, layout, names.month, QString(), numberItems(1, 12), QStringLiteral("1"), true);
    layout->addWidget(new QLabel(QStringLiteral("月"), parent));
    row.day = addCombo(parent, layout, names.day, QString(), numberItems(1, 31), QStringLiteral("1"), true);
    layout->addWidget(new QLabel(QStringLiteral("日"), parent));
    row.hour = addCombo(parent, layout, names.hour, QString(), hourItems(), QStringLiteral("子 0"), true);
    layout->addWidget(new QLabel(QStringLiteral("时"), parent));
    row.minute = addCombo(parent, layout, names.minute, QString(), numberItems(0, 59), QStringLiteral("0"), true);
    layout->addWidget(new QLabel(QStringLiteral("分"), parent));
    row.place = new BirthPlaceBox(QStringLiteral("Birth") + QString(names.year).remove(QStringLiteral("SYear")), parent);
    layout->addWidget(row.place);
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
