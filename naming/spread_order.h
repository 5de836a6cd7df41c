// The order in which a search reads the rows of a statement. The rows come sorted by their ordering
// key; reading them straight down would show the same first characters for thousands of lines, so
// the search cuts them into nine bands and takes one row of each band in turn.
#pragma once

#include <QList>
#include <array>

using BandOrder = std::array<int, 9>;  // a permutation of 0 … 8

inline constexpr BandOrder kSinglePlanBands = {0, 1, 2, 3, 4, 5, 6, 7, 8};
inline constexpr BandOrder kAutomaticBands = {5, 8, 0, 1, 7, 2, 6, 3, 4};

// The 1-based row numbers of a result of rowCount rows, in reading order, in the groups between
// which the search looks at its stop flag: with d = rowCount / 9, d passes of nine rows (pass e reads
// rows e + k·d for k in the band order), then each remaining row 9d + 1 … rowCount on its own.
// Every row appears exactly once.
QList<QList<int>> spreadPasses(int rowCount, const BandOrder& bands);
