#include "generated_tables.h"

const std::vector<GeneratedTable>& generatedTables()
{
    static const std::vector<GeneratedTable> tables = {};
    return tables;
}
