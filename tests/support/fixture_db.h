// Small knowledge files made inside a test. A FixtureDbs creates, in its own temporary folder, each
// requested file with the program's real schema and only the rows the test gives, and points the
// data layer at that folder until it goes out of scope.
#pragma once

#include "data/db_files.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <initializer_list>

// How a damaged copy of a built knowledge file is spoilt.
enum class Damage {
    Empty,      // zero bytes
    Truncated,  // the first half of the built file
    Garbage,    // text that is no database at all, of the built file's size
};

class FixtureDbs {
public:
    FixtureDbs();
    ~FixtureDbs();

    // Creates the file with its real tables, all empty, unless it exists already.
    FixtureDbs& create(Db db);
    // Runs SQL (inserts, usually) against the file, creating it first if needed.
    FixtureDbs& exec(Db db, const QString& sql);
    // Removes the file, so lookups meet a missing file.
    FixtureDbs& remove(Db db);
    // Writes a damaged copy of the built file in place of the fixture file.
    FixtureDbs& damage(Db db, Damage how);

    QString dir() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};

// The folder of the real knowledge files built with the program.
QString builtDatabaseDir();

// Points the data layer at the real knowledge files for the life of the object.
class BuiltDbs {
public:
    BuiltDbs() { setDatabaseDirectory(builtDatabaseDir()); }
    ~BuiltDbs() { setDatabaseDirectory(QString()); }
};
