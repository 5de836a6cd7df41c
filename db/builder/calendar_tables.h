// The rows of the calendar tables of Tgcode.dll, computed by the calendar library itself.
#pragma once

#include "database_writer.h"

#include <vector>

// JQ (YearA, JQ, SJ): all 24 solar terms of every year 1900 … 2100, SJ in Beijing time.
std::vector<std::vector<Cell>> solarTermRows();
// jiazi (jiazi, layin, ws): the sixty pairs with their nayin and its element.
std::vector<std::vector<Cell>> sixtyPairRows();
// Shishen (jiazi, ShiShen): the hundred pairs day stem + stem with their ten god.
std::vector<std::vector<Cell>> tenGodRows();
