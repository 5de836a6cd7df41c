// Where a name line of the classic search goes: always into a cell of the all-names pane, six cells to
// a row, and into the high-score list when its score reaches the pick score.
#pragma once

#include "naming/naming_state.h"

#include <QString>
#include <optional>

inline constexpr int kCellBytes = 16;
inline constexpr int kCellsPerRow = 6;

// The line padded with blanks to 16 GB bytes, so that the cells of a row line up in 宋体; a line of
// 16 bytes or more is left as it is.
QString padNameCell(const QString& line);

// The score of a name line: the number after its first "(", as in 王明华(85分); -1 without one.
int scoreOfLine(const QString& line);

// Whether the line goes to the high-score list: its score is 100 or at least pickScore. No pick score
// ("自动挑选" unchecked, or its box empty) picks nothing.
bool isPickedLine(const QString& line, std::optional<int> pickScore);

struct Placement {
    QString line;          // trimmed
    bool picked = false;
    QString completedRow;  // the row of six cells that this line completed; empty otherwise
};

// Places one line: trims it, decides the pick, adds its cell to the row buffer of the state and
// hands back the row when the line completes one.
Placement PlaceNameLine(const QString& line, std::optional<int> pickScore, NamingState& state);

// The cells waiting in the row buffer, as a last, shorter row (empty when there are none); the
// buffer is emptied.
QString takePartialRow(NamingState& state);
