#include "poem_library.h"

#include "tsv_table.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

namespace {

void readCollection(const std::filesystem::path& path, std::vector<std::vector<Cell>>& rows)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    const auto fail = [&](int lineNo, const std::string& why) {
        throw std::runtime_error(path.string() + ":" + std::to_string(lineNo) + ": " + why);
    };
    std::vector<Cell>* poem = nullptr;  // the record whose verse lines are being read
    std::string line;
    for (int lineNo = 1; std::getline(in, line); ++lineNo) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) {
            poem = nullptr;
            continue;
        }
        if (!poem && line[0] == '#') continue;
        if (line[0] == '@') {
            auto fields = splitTabs(line);
            // "@", d_num, cd_num, d_dynasty, au_num, d_author, d_title
            if (fields.size() != 7 || fields[0] != "@") fail(lineNo, "expected @ and six fields");
            fields.erase(fields.begin());
            rows.emplace_back(fields.begin(), fields.end());
            rows.back().push_back(std::string());
            poem = &rows.back();
            continue;
        }
        if (!poem) fail(lineNo, "verse outside a poem");
        std::string& text = *poem->back();
        if (!text.empty()) text += '\n';
        text += line;
    }
    for (const auto& row : rows)
        if (row.back()->empty()) throw std::runtime_error(path.string() + ": a poem without text");
}

}  // namespace

std::vector<std::vector<Cell>> readPoemLibrary(const std::filesystem::path& dir)
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        if (entry.path().extension() == ".txt") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::vector<std::vector<Cell>> rows;
    for (const auto& file : files) readCollection(file, rows);
    return rows;
}
