// The birth-input row that several pages share: the same controls with the same items and defaults,
// each control named as the page names it, and one function that turns the row into a BirthInfo.
// Every row shares the baby's details (app/birth_details.h) with the others.
#pragma once

#include "data/birth_info.h"

#include <QDate>
#include <QString>

class BirthPlaceBox;
class QBoxLayout;
class QComboBox;
class QLineEdit;
class QWidget;

struct BirthRowNames {
    QString surname, givenName;  // empty: the row has no such box
    QString sex, calendarKind, year, month, day, hour, minute;
};

struct BirthRow {
    QLineEdit* surname = nullptr;
    QLineEdit* givenName = nullptr;
    QComboBox *sex = nullptr, *calendarKind = nullptr, *year = nullptr, *month = nullptr, *day = nullptr,
              *hour = nullptr, *minute = nullptr;
    BirthPlaceBox* place = nullptr;  // birthplace, longitude and 子 hour, named Birth<n>Place … after the year box
};

// Adds the labelled controls to layout, children of parent, and shares the row's details. The row
// shows firstDate until details have been entered (1980-01-01 when it is invalid: a page about any
// person rather than a newborn). maxNameChars limits the name boxes.
BirthRow addBirthRow(QWidget* parent, QBoxLayout* layout, const BirthRowNames& names, QDate firstDate = {},
                     int maxNameChars = 20);

// Makes the row show the details entered so far on any row, follow those entered later, and enter
// its own whenever the user changes it. The given name is never shared.
void shareBirthDetails(const BirthRow& row);

BirthInfo readBirthInfo(const BirthRow& row);
