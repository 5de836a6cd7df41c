// The poem library, table sg of KelBirth.dll, read from the collections in db/poems/ that
// db/poems/extract_poems.py wrote: a header line per poem, then its verse lines, then an empty line.
#pragma once

#include "database_writer.h"

#include <filesystem>
#include <string>
#include <vector>

// The rows of sg (d_num, cd_num, d_dynasty, au_num, d_author, d_title, d_nr) of every *.txt in dir.
// Throws std::runtime_error naming the file and line of a malformed record.
std::vector<std::vector<Cell>> readPoemLibrary(const std::filesystem::path& dir);
