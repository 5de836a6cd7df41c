// The five grids (五格) of a name: sums of the stroke counts of its characters, with a fixed 1 added
// where a part has only one character, reduced into 1 … 80.
#pragma once

#include <QString>
#include <array>

// The codes that select a grid; the same codes select the grid weights of the scores.
enum class GridKind { Tian = 0, Di = 1, Ren = 2, Zong = 3, Wai = 4 };

struct FiveGrids {
    int tian = 0, ren = 0, di = 0, zong = 0, wai = 0;
    int byKind(GridKind kind) const;
    bool operator==(const FiveGrids&) const = default;
};

// The stroke counts a name is read from. A part of one character is single; two or more is double.
// For a part of three or more characters the second "character" is the rest of the part, its
// strokes summed, so that 地格 and 总格 still cover every character of the name.
struct NameStrokes {
    int x1 = 0, x2 = 0, m1 = 0, m2 = 0;
    bool doubleSurname = false, doubleGiven = false;
};

// Numbers above 80 wrap around: 81 is 1, 160 is 80; 0 stays 0.
int reduceGridNumber(int n);

// The grids from counts already looked up; pure arithmetic.
FiveGrids FiveGridsOf(const NameStrokes& s);

// Looks every character up with CharStrokes (0 for a character the dictionary lacks, also for
// letters and digits, which it does not hold).
NameStrokes nameStrokes(const QString& surname, const QString& givenName);

int GridNumber(const QString& surname, const QString& givenName, GridKind kind);
// The grids of a name whose strokes are looked up as nameStrokes does.
FiveGrids FiveGridsOf(const QString& surname, const QString& givenName);
