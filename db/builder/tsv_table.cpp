#include "tsv_table.h"

#include <fstream>
#include <stdexcept>

std::vector<std::string> splitTabs(const std::string& line)
{
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        const size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos) return fields;
        start = tab + 1;
    }
}

TsvTable readTsvTable(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    TsvTable table;
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        auto fields = splitTabs(line);
        if (table.columns.empty()) {
            table.columns = std::move(fields);
            continue;
        }
        if (fields.size() != table.columns.size())
            throw std::runtime_error(path + ":" + std::to_string(lineNo) + ": expected " +
                                     std::to_string(table.columns.size()) + " fields, found " +
                                     std::to_string(fields.size()));
        std::vector<std::optional<std::string>> row;
        row.reserve(fields.size());
        for (auto& f : fields) row.push_back(f == "\\N" ? std::nullopt : std::optional<std::string>(std::move(f)));
        table.rows.push_back(std::move(row));
    }
    if (table.columns.empty()) throw std::runtime_error(path + ": no header line");
    return table;
}
