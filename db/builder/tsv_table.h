// Reading one table source: a UTF-8, tab-separated text file whose first line that is not a
// "#" comment names the columns. "\N" stands for NULL; every other field is taken as written.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct TsvTable {
    std::vector<std::string> columns;
    std::vector<std::vector<std::optional<std::string>>> rows;  // nullopt is NULL
};

// Throws std::runtime_error naming the file and line of the first malformed row.
TsvTable readTsvTable(const std::string& path);

// The fields of one line, split at every tab (an empty field stays an empty string).
std::vector<std::string> splitTabs(const std::string& line);
