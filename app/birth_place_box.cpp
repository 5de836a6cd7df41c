#include "birth_place_box.h"

#include "calendar/birth_place.h"
#include "data/birth_info.h"

#include <QComboBox>
#include <QCompleter>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStringListModel>

namespace {

constexpr int kShownMatches = 30;

}  // namespace

BirthPlaceBox::BirthPlaceBox(const QString& namePrefix, QWidget* parent)
    : QWidget(parent), place(new QComboBox(this)), longitude(new QLineEdit(this)), zi(new QComboBox(this)),
      completer_(new QCompleter(this)), matches_(new QStringListModel(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    place->setObjectName(namePrefix + QStringLiteral("Place"));
    place->setEditable(true);
    place->setInsertPolicy(QComboBox::NoInsert);
    place->setMinimumContentsLength(10);
    place->setToolTip(QStringLiteral("输入地名或拼音首字母，如 乌鲁 或 wlmq；不填则按输入的时间排盘"));
    // The matches come from the place list, pinyin included, so the popup shows them unfiltered.
    completer_->setModel(matches_);
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setMaxVisibleItems(12);
    place->setCompleter(completer_);
    connect(place->lineEdit(), &QLineEdit::textEdited, this, &BirthPlaceBox::placeEdited);
    connect(completer_, qOverload<const QString&>(&QCompleter::activated), this, &BirthPlaceBox::placeChosen);

    longitude->setObjectName(namePrefix + QStringLiteral("Longitude"));
    longitude->setFixedWidth(56);
    longitude->setToolTip(QStringLiteral("东经度数，可直接填写，如 87.62"));

    zi->setObjectName(namePrefix + QStringLiteral("Zi"));
    zi->addItems(ZiHourItems());
    zi->setCurrentIndex(0);

    layout->addWidget(new QLabel(QStringLiteral("出生地"), this));
    layout->addWidget(place);
    layout->addWidget(new QLabel(QStringLiteral("经度"), this));
    layout->addWidget(longitude);
    layout->addWidget(new QLabel(QStringLiteral("子时"), this));
    layout->addWidget(zi);
}

QString BirthPlaceBox::placeText() const { return place->currentText().trimmed(); }
QString BirthPlaceBox::longitudeText() const { return longitude->text().trimmed(); }
QString BirthPlaceBox::ziText() const { return zi->currentText(); }

void BirthPlaceBox::placeEdited(const QString& text)
{
    QStringList labels;
    for (const BirthPlace& p : SearchBirthPlaces(text, kShownMatches)) labels << p.label();
    matches_->setStringList(labels);
    if (text.trimmed().isEmpty()) longitude->clear();
    if (!labels.isEmpty()) completer_->complete();
}

void BirthPlaceBox::placeChosen(const QString& label)
{
    const auto chosen = FindBirthPlace(label);
    if (!chosen) return;
    place->setEditText(chosen->label());
    longitude->setText(QString::number(chosen->longitude, 'f', 2));
}
