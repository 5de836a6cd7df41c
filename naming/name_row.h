// One row of a list or idiom search as it is shown: the surname's parts, the one or two given-name
// characters, the stroke combination they fill and the row's number on its page. The grid
// RzStringGrid1 and jiaming-cli list-names both print a row through cellText, so they show the
// same nine cells.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// What the grid shows of the surname: strokes, first traditional character, first reading and
// element of its first and (compound surname) second character. S2 is 0 for a single surname.
struct SurnameInfo {
    int S1 = 0, S2 = 0;
    QString ft1, ft2, pinyin1, pinyin2, wuhang1, wuhang2;
};

// A given-name character as the dictionary word holds it: the first traditional form, the element,
// the first reading and the strokes.
struct NameChar {
    QString zi, ft, wuhang, pinyin;
    int bh = 0;
};

// A stroke combination of zh: its five grids (天-人-地-总-外), three talents and score.
struct StrokeCombination {
    QString wg, sc;
    int zf = 0;
};

struct NameRow {
    int number = 0;    // what the 编号 cell shows
    QString surname;   // the trimmed surname box, which starts the full name
    SurnameInfo surnameInfo;
    NameChar first;
    std::optional<NameChar> second;  // absent for a one-character name
    StrokeCombination combination;

    QString givenName() const;
    int score() const { return combination.zf; }
};

enum class ListColumn { Number, Name, Traditional, Pinyin, Elements, Strokes, Grids, Talents, Score };
inline constexpr int kListColumnCount = 9;
// The headings of the grid RzStringGrid1.
const std::array<const char*, kListColumnCount>& listColumnHeadings();

QString cellText(const NameRow& row, ListColumn column);
// The nine cells in column order.
QStringList cellTexts(const NameRow& row);
// The line for the high-score list: 王明华(85), without "分".
QString pickLine(const NameRow& row);
