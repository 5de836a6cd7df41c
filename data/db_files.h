// The five knowledge files and where they are found. They live beside the running executable, so
// every path is worked out afresh from the executable's folder at the moment a file is opened.
#pragma once

#include <QString>
#include <array>

enum class Db { Dream, KelFile, KelBirth, Tgcode, Velmora };

inline constexpr std::array<Db, 5> kAllDbs = {Db::Dream, Db::KelFile, Db::KelBirth, Db::Tgcode, Db::Velmora};

// "dream.dll", "KelFile.dll", ...: the names are fixed; the extension is only part of the name.
QString dbFileName(Db db);

// The folder that holds the files: the executable's own folder unless a test has pointed it
// elsewhere. Never the current directory.
QString databaseDirectory();

// Points every later lookup at another folder; an empty text goes back to the executable's folder.
// Tests use it to swap in small fixture files.
void setDatabaseDirectory(const QString& dir);

QString dbFilePath(Db db);
