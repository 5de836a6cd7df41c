// The lock files the program removes beside its knowledge files when it ends through its own
// buttons. The full exit removes four; the quick clean-up, which also ends every exit, removes two.
#pragma once

#include <QString>
#include <QStringList>

QStringList fullExitLockFiles();  // Velmora, dream, Tgcode, KelBirth
QStringList cleanupLockFiles();   // Velmora, dream

// Deletes each file of names in dir, in order; a file that is absent or cannot be deleted is skipped.
void deleteLockFiles(const QString& dir, const QStringList& names);
