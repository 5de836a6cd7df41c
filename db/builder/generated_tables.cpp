#include "generated_tables.h"

#include "calendar_tables.h"

const std::vector<GeneratedTable>& generatedTables()
{
    static const std::vector<GeneratedTable> tables = {
        {"Tgcode", "JQ", {"YearA", "JQ", "SJ"}, solarTermRows},
        {"Tgcode", "jiazi", {"jiazi", "layin", "ws"}, sixtyPairRows},
        {"Tgcode", "Shishen", {"jiazi", "ShiShen"}, tenGodRows},
    };
    return tables;
}
