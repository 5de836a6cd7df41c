#include "query.h"

#include "db_error.h"

#include <QFileInfo>
#include <QUrl>
#include <algorithm>
#include <utility>
#include <sqlite3.h>

bool Field::isNull() const
{
    return !value_ || std::holds_alternative<std::monostate>(*value_);
}

QString Field::asText() const
{
    if (!value_) return {};
    if (auto s = std::get_if<QString>(value_)) return *s;
    if (auto i = std::get_if<qint64>(value_)) return QString::number(*i);
    if (auto d = std::get_if<double>(value_)) return QString::number(*d, 'g', 15);
    return {};
}

int Field::asInt() const
{
    if (!value_) return 0;
    if (auto i = std::get_if<qint64>(value_)) return int(*i);
    if (auto d = std::get_if<double>(value_)) return int(*d);
    if (auto s = std::get_if<QString>(value_)) {
        bool ok = false;
        const int n = s->trimmed().toInt(&ok);
        if (ok) return n;
        const double d = s->trimmed().toDouble(&ok);
        return ok ? int(d) : 0;
    }
    return 0;
}

double Field::asDouble() const
{
    if (!value_) return 0;
    if (auto i = std::get_if<qint64>(value_)) return double(*i);
    if (auto d = std::get_if<double>(value_)) return *d;
    if (auto s = std::get_if<QString>(value_)) return s->trimmed().toDouble();
    return 0;
}

Query::Query(Db db, int timeoutSeconds) : db_(db), timeoutSeconds_(timeoutSeconds) {}

Query::~Query()
{
    release();
}

void Query::ensureOpen()
{
    if (handle_) return;
    // The path is worked out now, not at construction, so it always follows the executable.
    const QString path = dbFilePath(db_);
    if (!QFileInfo(path).isFile())
        throw DbError(QStringLiteral("找不到数据库文件 %1").arg(QFileInfo(path).fileName()));
    sqlite3* handle = nullptr;
    // The knowledge files never change while the program runs, so the engine may skip its file
    // locks and change checks (immutable): every per-call lookup opens a file, and this saves about a
    // third of a report's time.
    const QByteArray uri = "file:" + QUrl::toPercentEncoding(path, "/") + "?immutable=1";
    const int rc = sqlite3_open_v2(uri.constData(), &handle, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    if (rc != SQLITE_OK) {
        const QString engineText = handle ? QString::fromUtf8(sqlite3_errmsg(handle)) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_close(handle);
        throw DbError(QStringLiteral("无法打开数据库文件 %1：%2").arg(dbFileName(db_), engineText));
    }
    // The statement time-out is the time the engine may wait for a file that another process holds.
    sqlite3_busy_timeout(handle, timeoutSeconds_ * 1000);
    handle_ = handle;
}

namespace {

// Finalises a prepared statement on every path out of a run.
struct StatementGuard {
    sqlite3_stmt* stmt = nullptr;
    ~StatementGuard() { sqlite3_finalize(stmt); }
};

void bindParam(sqlite3_stmt* stmt, int index, const SqlValue& v)
{
    if (auto i = std::get_if<qint64>(&v)) {
        sqlite3_bind_int64(stmt, index, *i);
    } else if (auto d = std::get_if<double>(&v)) {
        sqlite3_bind_double(stmt, index, *d);
    } else if (auto s = std::get_if<QString>(&v)) {
        const QByteArray utf8 = s->toUtf8();
        sqlite3_bind_text(stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    } else {
        sqlite3_bind_null(stmt, index);
    }
}

SqlValue readColumn(sqlite3_stmt* stmt, int col)
{
    switch (sqlite3_column_type(stmt, col)) {
    case SQLITE_INTEGER: return qint64(sqlite3_column_int64(stmt, col));
    case SQLITE_FLOAT: return sqlite3_column_double(stmt, col);
    case SQLITE_NULL: return std::monostate{};
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, col));
        return QString::fromUtf8(text, sqlite3_column_bytes(stmt, col));
    }
    }
}

}  // namespace

sqlite3_stmt* Query::prepareBound(const QString& sql, const std::vector<SqlParam>& params)
{
    StatementGuard guard;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(handle_, text.constData(), int(text.size()), &guard.stmt, nullptr) != SQLITE_OK)
        throw DbError(QString::fromUtf8(sqlite3_errmsg(handle_)));
    if (!guard.stmt) return nullptr;  // empty statement text: an empty result
    if (sqlite3_bind_parameter_count(guard.stmt) != int(params.size()))
        throw DbError(QStringLiteral("语句需要 %1 个参数，收到 %2 个")
                          .arg(sqlite3_bind_parameter_count(guard.stmt))
                          .arg(params.size()));
    for (size_t i = 0; i < params.size(); ++i) bindParam(guard.stmt, int(i) + 1, params[i].value());
    return std::exchange(guard.stmt, nullptr);
}

void Query::openWith(const QString& sql, const std::vector<SqlParam>& params)
{
    close();
    ensureOpen();
    StatementGuard guard{prepareBound(sql, params)};
    if (!guard.stmt) return;

    const int columnCount = sqlite3_column_count(guard.stmt);
    QStringList columns;
    for (int c = 0; c < columnCount; ++c) columns << QString::fromUtf8(sqlite3_column_name(guard.stmt, c));

    std::vector<std::vector<SqlValue>> rows;
    for (;;) {
        const int rc = sqlite3_step(guard.stmt);
        if (rc == SQLITE_DONE) break;
        if (rc != SQLITE_ROW) throw DbError(QString::fromUtf8(sqlite3_errmsg(handle_)));
        std::vector<SqlValue> row;
        row.reserve(size_t(columnCount));
        for (int c = 0; c < columnCount; ++c) row.push_back(readColumn(guard.stmt, c));
        rows.push_back(std::move(row));
    }
    columns_ = std::move(columns);
    rows_ = std::move(rows);
    current_ = 0;
}

void Query::scanWith(const QString& sql, const std::vector<SqlParam>& params,
                     const std::function<void(const StreamRow&)>& visit)
{
    close();
    ensureOpen();
    StatementGuard guard{prepareBound(sql, params)};
    if (!guard.stmt) return;
    const StreamRow row(guard.stmt);
    for (;;) {
        const int rc = sqlite3_step(guard.stmt);
        if (rc == SQLITE_DONE) return;
        if (rc != SQLITE_ROW) throw DbError(QString::fromUtf8(sqlite3_errmsg(handle_)));
        visit(row);
    }
}

bool StreamRow::isNull(int column) const
{
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

int StreamRow::toInt(int column) const
{
    return sqlite3_column_int(stmt_, column);
}

QString StreamRow::toText(int column) const
{
    if (isNull(column)) return {};
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(stmt_, column));
}

void Query::moveTo(int rowNumber1)
{
    if (rowNumber1 < 1) rowNumber1 = 1;
    current_ = std::min(rowNumber1 - 1, int(rows_.size()));
}


Field Query::field(int position) const
{
    if (atEnd() || position < 0 || position >= int(columns_.size())) return Field();
    return Field(&rows_[size_t(current_)][size_t(position)]);
}

Field Query::field(const QString& name) const
{
    for (int c = 0; c < int(columns_.size()); ++c)
        if (columns_[c].compare(name, Qt::CaseInsensitive) == 0) return field(c);
    return Field();
}

void Query::close()
{
    columns_.clear();
    rows_.clear();
    current_ = 0;
}

void Query::release()
{
    close();
    if (handle_) sqlite3_close(handle_);
    handle_ = nullptr;
}

QString quoteIdentifier(const QString& name)
{
    QString inner = name;
    inner.replace(u'"', QStringLiteral("\"\""));
    return u'"' + inner + u'"';
}
