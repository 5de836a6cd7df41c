// jiaming-dbbuild: builds the five knowledge files from the schema and text sources under db/ and
// the tables the program computes. Run by the build; see db/README.md.
//
//   jiaming-dbbuild DB_DIR OUT_DIR
#include "database_writer.h"
#include "derived_tables.h"
#include "generated_tables.h"
#include "poem_library.h"
#include "tsv_table.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

const char* const kFiles[] = {"dream", "KelFile", "KelBirth", "Tgcode", "Velmora"};

std::string readWholeFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void buildFile(const std::string& name, const fs::path& dbDir, const fs::path& outDir)
{
    DatabaseWriter writer((outDir / (name + ".dll")).string());
    writer.execScript(readWholeFile(dbDir / "schema" / (name + ".sql")));
    const fs::path sourcesDir = dbDir / "sources";

    std::vector<fs::path> sources;
    if (fs::is_directory(sourcesDir / name))
        for (const auto& entry : fs::directory_iterator(sourcesDir / name))
            if (entry.path().extension() == ".tsv") sources.push_back(entry.path());
    std::sort(sources.begin(), sources.end());
    for (const auto& source : sources) {
        const TsvTable table = readTsvTable(source.string());
        writer.insertRows(source.stem().string(), table.columns, table.rows);
    }
    if (name == "KelBirth")
        writer.insertRows("sg", {"d_num", "cd_num", "d_dynasty", "au_num", "d_author", "d_title", "d_nr"},
                          readPoemLibrary(dbDir / "poems"));
    for (const auto& generated : generatedTables())
        if (generated.file == name) writer.insertRows(generated.table, generated.columns, generated.makeRows());
    BuildContext context{dbDir, outDir, writer};
    addDerivedTables(name, context);
    writer.finish();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: jiaming-dbbuild DB_DIR OUT_DIR\n";
        return 2;
    }
    try {
        fs::create_directories(argv[2]);
        // KelFile comes before Velmora: the combination table reads its grades.
        for (const char* name : kFiles) buildFile(name, argv[1], argv[2]);
    } catch (const std::exception& e) {
        std::cerr << "jiaming-dbbuild: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
