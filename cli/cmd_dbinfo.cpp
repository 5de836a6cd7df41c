// dbinfo: every table of the five knowledge files with its row count.
#include "cli/cmd_dbinfo.h"

#include "data/db_error.h"
#include "data/query.h"

int runDbInfo(const QStringList& args, CliStreams io)
{
    if (!args.isEmpty()) {
        io.err << "dbinfo takes no arguments\n";
        return kExitUsage;
    }
    int status = kExitOk;
    for (Db db : kAllDbs) {
        try {
            Query tables(db);
            tables.open("select name from sqlite_master where type = 'table' and name not like 'sqlite%' order by rowid");
            // An empty file opens as a database without tables: it holds none of the knowledge.
            if (tables.isEmpty()) {
                io.err << dbFileName(db) << " holds no tables\n";
                status = kExitFailure;
            }
            Query count(db);
            for (; !tables.atEnd(); tables.next()) {
                const QString table = tables.field(0).asText();
                count.open("select count(*) from " + quoteIdentifier(table));
                io.out << dbFileName(db) << '\t' << table << '\t' << count.field(0).asInt() << '\n';
            }
        } catch (const DbError& e) {
            io.err << e.message() << '\n';
            status = kExitFailure;
        }
    }
    return status;
}
