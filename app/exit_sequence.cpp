#include "exit_sequence.h"

#include <QDir>
#include <QFile>

QStringList fullExitLockFiles()
{
    return {QStringLiteral("Velmora.ldb"), QStringLiteral("dream.ldb"), QStringLiteral("Tgcode.ldb"),
            QStringLiteral("KelBirth.ldb")};
}

QStringList cleanupLockFiles()
{
    return {QStringLiteral("Velmora.ldb"), QStringLiteral("dream.ldb")};
}

void deleteLockFiles(const QString& dir, const QStringList& names)
{
    const QDir folder(dir);
    for (const QString& name : names) QFile::remove(folder.filePath(name));
}
