// Writes one knowledge file from scratch. The file is built under a temporary name and moved into
// place only when complete, so an interrupted build never leaves a half-filled file that the
// program would then read as real data.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

using Cell = std::optional<std::string>;  // nullopt is NULL

class DatabaseWriter {
public:
    explicit DatabaseWriter(const std::string& finalPath);
    ~DatabaseWriter();
    DatabaseWriter(const DatabaseWriter&) = delete;
    DatabaseWriter& operator=(const DatabaseWriter&) = delete;

    void execScript(const std::string& sql);
    // Inserts rows; values are bound as text and the column's declared type converts them.
    void insertRows(const std::string& table, const std::vector<std::string>& columns,
                    const std::vector<std::vector<Cell>>& rows);
    // The first column of the first row of a statement with one text parameter; 0 when none.
    int scalarInt(const std::string& sql, const std::string& param);
    // Commits, closes and moves the file into place.
    void finish();

private:
    std::string finalPath_;
    std::string tempPath_;
    sqlite3* db_ = nullptr;
};
