// Tables computed from other knowledge: they need rows that the builder has already written (the
// dictionary's stroke counts, the three-talent grades), so they run after a file's sources are in.
#pragma once

#include "database_writer.h"

#include <filesystem>
#include <string>

struct BuildContext {
    std::filesystem::path dbDir;   // db/ of the source tree
    std::filesystem::path outDir;  // where finished files already stand
    DatabaseWriter& current;       // the file being written
};

// Adds the derived tables that belong to file (e.g. "Velmora").
void addDerivedTables(const std::string& file, BuildContext& context);
