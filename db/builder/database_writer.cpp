#include "database_writer.h"

#include <cstdio>
#include <filesystem>
#include <sqlite3.h>
#include <stdexcept>

namespace {

std::string quoteName(const std::string& name)
{
    std::string out = "\"";
    for (char c : name) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

}  // namespace

DatabaseWriter::DatabaseWriter(const std::string& finalPath) : finalPath_(finalPath), tempPath_(finalPath + ".tmp")
{
    std::filesystem::remove(tempPath_);
    if (sqlite3_open_v2(tempPath_.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
        throw std::runtime_error("cannot create " + tempPath_);
    execScript("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; PRAGMA page_size = 4096; BEGIN;");
}

DatabaseWriter::~DatabaseWriter()
{
    if (db_) {
        sqlite3_close(db_);
        std::filesystem::remove(tempPath_);
    }
}

void DatabaseWriter::execScript(const std::string& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : "unknown error";
        sqlite3_free(error);
        throw std::runtime_error(finalPath_ + ": " + message);
    }
}

void DatabaseWriter::insertRows(const std::string& table, const std::vector<std::string>& columns,
                                const std::vector<std::vector<Cell>>& rows)
{
    std::string sql = "INSERT INTO " + quoteName(table) + " (";
    std::string marks;
    for (size_t i = 0; i < columns.size(); ++i) {
        sql += (i ? ", " : "") + quoteName(columns[i]);
        marks += i ? ", ?" : "?";
    }
    sql += ") VALUES (" + marks + ")";
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
        throw std::runtime_error(finalPath_ + ": table " + table + ": " + sqlite3_errmsg(db_));
    for (const auto& row : rows) {
        for (size_t i = 0; i < row.size(); ++i) {
            if (row[i])
                sqlite3_bind_text(stmt, int(i) + 1, row[i]->data(), int(row[i]->size()), SQLITE_TRANSIENT);
            else
                sqlite3_bind_null(stmt, int(i) + 1);
        }
        if (sqlite3_step(stmt) != SQLITE_DONE) {
            const std::string message = sqlite3_errmsg(db_);
            sqlite3_finalize(stmt);
            throw std::runtime_error(finalPath_ + ": table " + table + ": " + message);
        }
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
}

int DatabaseWriter::scalarInt(const std::string& sql, const std::string& param)
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
        throw std::runtime_error(finalPath_ + ": " + sqlite3_errmsg(db_));
    sqlite3_bind_text(stmt, 1, param.data(), int(param.size()), SQLITE_TRANSIENT);
    const int value = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int(stmt, 0) : 0;
    sqlite3_finalize(stmt);
    return value;
}

void DatabaseWriter::finish()
{
    execScript("COMMIT; ANALYZE;");
    sqlite3_close(db_);
    db_ = nullptr;
    std::filesystem::rename(tempPath_, finalPath_);
}
