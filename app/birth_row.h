// The birth-input row that several pages share: the same controls with the same items and defaults,
// each control named as the page names it, and one function that turns the row into a BirthInfo.
#pragma once

#include "data/birth_info.h"

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

// Adds the labelled controls to layout, children of parent. maxNameChars limits the name boxes.
BirthRow addBirthRow(QWidget* parent, QBoxLayout* layout, const BirthRowNames& names, int maxNameChars = 20);

BirthInfo readBirthInfo(const BirthRow& row);
