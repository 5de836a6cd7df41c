#include "db_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QMutex>

namespace {

QMutex overrideMutex;
QString overrideDir;

}  // namespace

QString dbFileName(Db db)
{
    switch (db) {
    case Db::Dream: return QStringLiteral("dream.dll");
    case Db::KelFile: return QStringLiteral("KelFile.dll");
    case Db::KelBirth: return QStringLiteral("KelBirth.dll");
    case Db::Tgcode: return QStringLiteral("Tgcode.dll");
    case Db::Velmora: return QStringLiteral("Velmora.dll");
    }
    return {};
}

QString databaseDirectory()
{
    {
        QMutexLocker lock(&overrideMutex);
        if (!overrideDir.isEmpty()) return overrideDir;
    }
    return QCoreApplication::applicationDirPath();
}

void setDatabaseDirectory(const QString& dir)
{
    QMutexLocker lock(&overrideMutex);
    overrideDir = dir;
}

QString dbFilePath(Db db)
{
    return QDir(databaseDirectory()).filePath(dbFileName(db));
}
