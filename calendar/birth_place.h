// Birthplaces: the divisions of China with the longitude and latitude of their seats (table
// `places` of Tgcode.dll), found by the beginning of their name or of its pinyin.
#pragma once

#include "data/expected.h"

#include <QList>
#include <QString>
#include <optional>

struct BirthPlace {
    QString code;      // the division code, e.g. 650100
    QString province;  // 新疆维吾尔自治区
    QString city;      // the prefecture it belongs to; the place itself for a prefecture
    QString name;      // 乌鲁木齐市
    double longitude = 0;  // degrees east, to 0.01°
    double latitude = 0;   // degrees north

    // The name with where it lies, as the lists show it: 乌鲁木齐市（新疆维吾尔自治区）,
    // 朝阳区（辽宁省 朝阳市）. Unique for every place of the table.
    QString label() const;
};

// Places whose name begins with text, or contains it, or whose pinyin or pinyin initials begin
// with it (wlmq, wulumuqi; any case). An exact name comes first, then provinces and prefectures,
// then the rest in code order. Quiet lookup: empty when the file cannot be read.
QList<BirthPlace> SearchBirthPlaces(const QString& text, int limit = 50);
// The same as a reported failure: throws DbError when the file cannot be read.
QList<BirthPlace> SearchBirthPlacesReported(const QString& text, int limit = 50);

// The place a user means by text: a label as label() writes it, an exact name (a prefecture before
// a county of the same name), else the first search result. Nothing for empty or unknown text.
std::optional<BirthPlace> FindBirthPlace(const QString& text);

// Where a birth took place, as the chart needs it.
struct BirthLongitude {
    QString placeName;  // the place's name, or empty when only the longitude was typed
    double longitude = 0;
};

// From the place and longitude texts of a birth row: nothing when both are empty; else the typed
// longitude (−180 … 180, east positive) when there is one, and that of the place otherwise. The
// error is the message to show: "经度应为-180到180之间的数字!" or "找不到出生地：X，请从列表中选择或填写经度!".
Expected<std::optional<BirthLongitude>, QString> BirthLongitudeOf(const QString& place, const QString& longitude);

// 87.62°E, 0.50°W: two decimals and the hemisphere.
QString LongitudeText(double longitude);
