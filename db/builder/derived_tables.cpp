#include "derived_tables.h"

#include "almanac_table.h"
#include "article_table.h"
#include "quality_tables.h"

#include "numerology/combination_table.h"

#include <QFile>
#include <QHash>
#include <QString>
#include <QStringList>
#include <sqlite3.h>
#include <stdexcept>

namespace {

// The characters of a names list: one surname per line, or runs of single surnames; # starts a comment.
QStringList readNamesList(const std::filesystem::path& path, bool onePerLine)
{
    QFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + path.string());
    QStringList names;
    for (const QString& raw : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        if (onePerLine) {
            names << line;
            continue;
        }
        for (char32_t cp : line.toUcs4()) names << QString::fromUcs4(&cp, 1);
    }
    return names;
}

int strokesOf(DatabaseWriter& db, const QString& ch)
{
    const std::string c = ch.toStdString();
    if (int bh = db.scalarInt("select bh from word where zi = ? limit 1", c)) return bh;
    return db.scalarInt("select bh from word where ft = ? limit 1", c);
}

// The grades of the three-talent titles, read back from the finished KelFile.dll.
QHash<QString, int> readGrades(const std::filesystem::path& kelFile)
{
    QHash<QString, int> grades;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(kelFile.string().c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("cannot read " + kelFile.string());
    }
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, "select title, djc from sancai", -1, &stmt, nullptr) == SQLITE_OK)
        while (sqlite3_step(stmt) == SQLITE_ROW)
            grades.insert(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0))),
                          sqlite3_column_int(stmt, 1));
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return grades;
}

void addCombinationTable(BuildContext& context)
{
    int maxSingle = 0;
    for (const QString& s : readNamesList(context.dbDir / "names" / "single_surnames.txt", false))
        maxSingle = std::max(maxSingle, strokesOf(context.current, s));
    std::vector<std::pair<int, int>> compound;
    for (const QString& s : readNamesList(context.dbDir / "names" / "compound_surnames.txt", true)) {
        const int x1 = strokesOf(context.current, s.left(1)), x2 = strokesOf(context.current, s.mid(1, 1));
        if (x1 > 0 && x2 > 0) compound.emplace_back(x1, x2);
    }
    const QHash<QString, int> grades = readGrades(context.outDir / "KelFile.dll");
    const auto rows = combinationRows(maxSingle, compound, [&](const QString& t) { return grades.value(t, 0); });

    std::vector<std::vector<Cell>> cells;
    cells.reserve(rows.size());
    for (const CombinationRow& r : rows)
        cells.push_back({std::to_string(r.lx), std::to_string(r.bh11), std::to_string(r.bh12), std::to_string(r.bh21),
                         std::to_string(r.bh22), std::to_string(r.zf), std::to_string(r.jxjx), r.wg.toStdString(),
                         r.sc.toStdString()});
    context.current.insertRows("zh", {"lx", "bh11", "bh12", "bh21", "bh22", "zf", "jxjx", "wg", "sc"}, cells);
}

}  // namespace

void addDerivedTables(const std::string& file, BuildContext& context)
{
    if (file == "Velmora") addCombinationTable(context);
    if (file == "Velmora") addQualityTables(context);
    if (file == "KelBirth") context.current.insertRows("huangdao", almanacColumns(), almanacRows(context.dbDir / "almanac"));
    if (file == "KelBirth") addArticleTable(context);
}
