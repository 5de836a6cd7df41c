#include "quality_tables.h"

#include "tsv_table.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

// The rows of a headerless file. The last field may be empty (a gloss without a mark), so a row
// one field short counts as ending in an empty field; any other count is an error.
std::vector<std::vector<Cell>> readRows(const fs::path& path, size_t columns)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    std::vector<std::vector<Cell>> rows;
    std::string line;
    for (int lineNo = 1; std::getline(in, line); ++lineNo) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        auto fields = splitTabs(line);
        if (fields.size() == columns - 1) fields.emplace_back();  // an empty last field
        if (fields.size() != columns)
            throw std::runtime_error(path.string() + ":" + std::to_string(lineNo) + ": expected " +
                                     std::to_string(columns) + " fields, found " + std::to_string(fields.size()));
        rows.emplace_back(fields.begin(), fields.end());
    }
    return rows;
}

// The files of dir whose names start with prefix and end in .tsv, in name order.
std::vector<fs::path> filesOf(const fs::path& dir, const std::string& prefix)
{
    std::vector<fs::path> files;
    if (!fs::is_directory(dir)) return files;
    for (const auto& entry : fs::directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(prefix, 0) == 0 && entry.path().extension() == ".tsv") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

void insertFiles(BuildContext& context, const std::string& prefix, const std::string& table,
                 const std::vector<std::string>& columns)
{
    for (const fs::path& file : filesOf(context.dbDir / "quality", prefix))
        context.current.insertRows(table, columns, readRows(file, columns.size()));
}

// The project's own list of popular given names (db/dict/popular_given_names.txt): a sex, a tab
// and names separated by blanks on each line. Its rows carry no year and no rank.
std::vector<std::vector<Cell>> projectPopularNames(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    std::vector<std::vector<Cell>> rows;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        const size_t tab = line.find('\t');
        if (tab == std::string::npos) continue;
        const std::string sex = line.substr(0, tab);
        size_t start = tab + 1;
        while (start < line.size()) {
            size_t end = line.find(' ', start);
            if (end == std::string::npos) end = line.size();
            std::string name = line.substr(start, end - start);
            if (!name.empty() && name.back() == '\r') name.pop_back();
            if (!name.empty()) rows.push_back({std::nullopt, sex, std::nullopt, name});
            start = end + 1;
        }
    }
    return rows;
}

}  // namespace

void addQualityTables(BuildContext& context)
{
    insertFiles(context, "ill_sounds_", "ill_sound", {"word", "pinyin", "kind"});
    insertFiles(context, "char_glosses_", "char_gloss", {"zi", "gloss", "meaning_class", "mark"});
    insertFiles(context, "popular_names", "popular_name", {"year", "sex", "rank", "name"});
    insertFiles(context, "char_levels", "char_level", {"zi", "level", "common", "strokes", "radical", "dated"});
    insertFiles(context, "everyday_words", "everyday_word", {"word", "frequency"});
    insertFiles(context, "name_places", "name_place", {"zi", "first", "second"});
    context.current.insertRows("popular_name", {"year", "sex", "rank", "name"},
                               projectPopularNames(context.dbDir / "dict" / "popular_given_names.txt"));
}
