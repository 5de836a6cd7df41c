// Tables that the builder computes instead of reading from a text source: they follow from rules
// and formulas that the program itself implements, so the rows and the code cannot drift apart.
#pragma once

#include "database_writer.h"

#include <string>
#include <vector>

struct GeneratedTable {
    std::string file;   // "Velmora", "Tgcode", ...
    std::string table;
    std::vector<std::string> columns;
    std::vector<std::vector<Cell>> (*makeRows)();
};

const std::vector<GeneratedTable>& generatedTables();
