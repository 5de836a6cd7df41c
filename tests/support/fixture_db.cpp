#include "fixture_db.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <sqlite3.h>
#include <stdexcept>

namespace {

QString schemaFileOf(Db db)
{
    return QStringLiteral(JIAMING_SOURCE_DIR "/db/schema/") + QFileInfo(dbFileName(db)).completeBaseName() + ".sql";
}

void run(const QString& path, const QString& sql)
{
    sqlite3* handle = nullptr;
    if (sqlite3_open(path.toUtf8().constData(), &handle) != SQLITE_OK)
        throw std::runtime_error("cannot create fixture " + path.toStdString());
    char* error = nullptr;
    const int rc = sqlite3_exec(handle, sql.toUtf8().constData(), nullptr, nullptr, &error);
    const std::string message = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(handle);
    if (rc != SQLITE_OK) throw std::runtime_error("fixture " + path.toStdString() + ": " + message);
}

}  // namespace

FixtureDbs::FixtureDbs()
{
    setDatabaseDirectory(dir_.path());
}

FixtureDbs::~FixtureDbs()
{
    setDatabaseDirectory(QString());
}

FixtureDbs& FixtureDbs::create(Db db)
{
    const QString path = dbFilePath(db);
    if (QFile::exists(path)) return *this;
    QFile schema(schemaFileOf(db));
    if (!schema.open(QIODevice::ReadOnly)) throw std::runtime_error("no schema " + schema.fileName().toStdString());
    run(path, QString::fromUtf8(schema.readAll()));
    return *this;
}

FixtureDbs& FixtureDbs::exec(Db db, const QString& sql)
{
    create(db);
    run(dbFilePath(db), sql);
    return *this;
}

FixtureDbs& FixtureDbs::remove(Db db)
{
    QFile::remove(dbFilePath(db));
    return *this;
}

FixtureDbs& FixtureDbs::damage(Db db, Damage how)
{
    QFile built(QDir(builtDatabaseDir()).filePath(dbFileName(db)));
    if (!built.open(QIODevice::ReadOnly)) throw std::runtime_error("no built file " + built.fileName().toStdString());
    const QByteArray whole = built.readAll();
    QByteArray bytes;
    switch (how) {
    case Damage::Empty: break;
    case Damage::Truncated: bytes = whole.left(whole.size() / 2); break;
    case Damage::Garbage: bytes = QByteArray("this is no database\n").repeated(whole.size() / 20 + 1).left(whole.size()); break;
    }
    QFile file(dbFilePath(db));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + file.fileName().toStdString());
    return *this;
}

QString builtDatabaseDir()
{
    return QStringLiteral(JIAMING_BIN_DIR);
}
