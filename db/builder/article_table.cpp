#include "article_table.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

void addArticleTable(BuildContext& context)
{
    const fs::path dir = context.dbDir / "articles";
    std::vector<fs::path> files;
    if (fs::is_directory(dir))
        for (const auto& entry : fs::directory_iterator(dir))
            if (entry.path().extension() == ".txt") files.push_back(entry.path());
    std::sort(files.begin(), files.end());

    std::vector<std::vector<Cell>> rows;
    for (const fs::path& path : files) {
        std::ifstream in(path, std::ios::binary);
        if (!in) throw std::runtime_error("cannot read " + path.string());
        std::string title;
        std::getline(in, title);
        if (!title.empty() && title.back() == '\r') title.pop_back();
        if (title.empty()) throw std::runtime_error(path.string() + ": the first line must be the title");
        std::ostringstream content;
        content << in.rdbuf();
        std::string text = content.str();
        text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
        rows.push_back({path.stem().string(), title, text});
    }
    context.current.insertRows("Noter", {"Cid", "Tite", "content"}, rows);
}
