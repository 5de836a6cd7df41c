// What every fuzz target shares: its input as text fields, and the knowledge files it looks up.
#pragma once

#include "data/birth_info.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>

// The input as UTF-8 text (invalid sequences become U+FFFD, as a text box would show them) cut at
// line breaks into exactly `count` fields: missing ones are empty, the last keeps any further breaks.
QStringList fuzzFields(const uint8_t* data, size_t size, int count);

// The input's bytes untouched, for functions that read GBK bytes.
inline QByteArray fuzzBytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// A birth row from seven fields from `first` on: sex, calendar kind, year, month, day, hour, minute.
BirthInfo fuzzBirth(const QStringList& fields, int first);

// Points the data layer at JIAMING_DB_DIR when set, else at the knowledge files of this build.
void useBuiltDatabases();
