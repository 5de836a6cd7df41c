// The one way the program reads its knowledge files. A Query is bound to one file; each open runs a
// statement with bound values and loads the complete result, so the row count is known at once and
// rows can be visited in order or reached by their 1-based number. Files are opened read-only and a
// missing file is an error: the engine is never allowed to create one.
//
// Per-call use: construct on the stack, run one or two statements, let it go out of scope.
// Window-owned use: keep it as a member; the file stays open until close() or destruction, and a
// failed open is simply tried again by the next statement.
#pragma once

#include "db_files.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <variant>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// One cell of a result: NULL, integer, real or text.
using SqlValue = std::variant<std::monostate, qint64, double, QString>;

// A column of the current row. Reading a column of an empty result, a column that does not exist
// or a NULL gives 0 and empty text, which many lookups rely on to mean "not found".
class Field {
public:
    explicit Field(const SqlValue* value = nullptr) : value_(value) {}
    bool isNull() const;
    QString asText() const;
    int asInt() const;
    double asDouble() const;

private:
    const SqlValue* value_;
};

// A value to bind into a statement. Implicit on purpose, so calls read like q.open(sql, zi, 3).
class SqlParam {
public:
    SqlParam(int v) : value_(qint64(v)) {}
    SqlParam(qint64 v) : value_(v) {}
    SqlParam(double v) : value_(v) {}
    SqlParam(const QString& v) : value_(v) {}
    SqlParam(const char* utf8) : value_(QString::fromUtf8(utf8)) {}
    SqlParam(QChar c) : value_(QString(c)) {}
    const SqlValue& value() const { return value_; }

private:
    SqlValue value_;
};

// One row of a streamed result (Query::scanWith), readable only while the visit call runs. A NULL
// reads as 0 or as a null text.
class StreamRow {
public:
    bool isNull(int column) const;
    int toInt(int column) const;
    QString toText(int column) const;

private:
    friend class Query;
    explicit StreamRow(sqlite3_stmt* stmt) : stmt_(stmt) {}
    sqlite3_stmt* stmt_;
};

class Query {
public:
    static constexpr int kDefaultTimeoutSeconds = 30;

    explicit Query(Db db, int timeoutSeconds = kDefaultTimeoutSeconds);
    ~Query();
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    Db db() const { return db_; }

    // Runs the statement with its ? placeholders bound in order. Throws DbError with the engine's
    // text when the file cannot be opened or the statement fails; the previous result is gone then.
    template <class... Args>
    void open(const QString& sql, const Args&... args) { openWith(sql, {SqlParam(args)...}); }
    void openWith(const QString& sql, const std::vector<SqlParam>& params);

    // Runs the statement and hands each row to visit as it is read, keeping none: for results too
    // large to hold as values (a hundred thousand names). Frees the previous result first; throws
    // as open() does, also when the failure comes after some rows were visited.
    void scanWith(const QString& sql, const std::vector<SqlParam>& params,
                  const std::function<void(const StreamRow&)>& visit);

    // Shorthands for one-value lookups: the first column of the first row, 0 / empty when none.
    template <class... Args>
    int scalarInt(const QString& sql, const Args&... args) { open(sql, args...); return field(0).asInt(); }
    template <class... Args>
    QString scalarText(const QString& sql, const Args&... args) { open(sql, args...); return field(0).asText(); }

    int rowCount() const { return int(rows_.size()); }
    bool isEmpty() const { return rows_.empty(); }
    // The current row, 1-based; 0 when the result is empty. Past the last row after next().
    int rowNumber() const { return rows_.empty() ? 0 : current_ + 1; }
    bool atEnd() const { return current_ >= int(rows_.size()); }
    void next() { if (!atEnd()) ++current_; }
    void moveTo(int rowNumber1);

    Field field(int position) const;
    Field field(const QString& name) const;  // case-insensitive, as the statements mix Aflag and aflag
    QStringList columnNames() const { return columns_; }

    // Frees the result; the file stays open for the next statement.
    void close();
    // Frees the result and lets go of the file.
    void release();

private:
    void ensureOpen();
    // Prepares the statement with its values bound; null for an empty statement text.
    sqlite3_stmt* prepareBound(const QString& sql, const std::vector<SqlParam>& params);

    Db db_;
    int timeoutSeconds_;
    sqlite3* handle_ = nullptr;
    QStringList columns_;
    std::vector<std::vector<SqlValue>> rows_;
    int current_ = 0;
};

// Table and column names cannot be bound; this quotes one for the engine ("81", "as").
QString quoteIdentifier(const QString& name);
