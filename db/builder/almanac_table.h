// The almanac table huangdao of KelBirth.dll: one row for every day 1900 … 2100, computed by the
// calendar library from the rule tables in db/almanac/.
#pragma once

#include "database_writer.h"

#include <filesystem>
#include <vector>

inline constexpr int kAlmanacFirstYear = 1900;
inline constexpr int kAlmanacLastYear = 2100;

// The columns, in the order of the rows below.
const std::vector<std::string>& almanacColumns();
// Throws std::runtime_error when the rule tables cannot be read.
std::vector<std::vector<Cell>> almanacRows(const std::filesystem::path& rulesDir);
