#include "fuzz_input.h"

#include "data/db_files.h"

#include <cstdlib>

QStringList fuzzFields(const uint8_t* data, size_t size, int count)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList lines = text.split(u'\n');
    QStringList fields = lines.mid(0, count - 1);
    fields.append(lines.mid(count - 1).join(u'\n'));
    while (fields.size() < count) fields.append(QString());
    return fields;
}

BirthInfo fuzzBirth(const QStringList& fields, int first)
{
    BirthInfo birth;
    birth.sex = fields.value(first);
    birth.calendarKind = fields.value(first + 1);
    birth.year = fields.value(first + 2);
    birth.month = fields.value(first + 3);
    birth.day = fields.value(first + 4);
    birth.hour = fields.value(first + 5);
    birth.minute = fields.value(first + 6);
    return birth;
}

void useBuiltDatabases()
{
    const char* dir = std::getenv("JIAMING_DB_DIR");
    setDatabaseDirectory(QString::fromLocal8Bit(dir && *dir ? dir : JIAMING_BIN_DIR));
}
