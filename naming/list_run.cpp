#include "list_run.h"

#include "data/gbk_text.h"

SurnameInfo lookupSurnameInfo(const QString& surnameBox)
{
    SurnameInfo info;
    const QString surname = surnameBox.trimmed();
    Query q(Db::Velmora);
    auto read = [&](const QString& ch, int& bh, QString& ft, QString& pinyin, QString& wuhang) {
        q.open("select zi, substr(ft, 1, 1) as ft, pinyin, bh, wuhang from word where zi = ? limit 1", ch);
        bh = q.field("bh").asInt();
        ft = q.field("ft").asText();
        pinyin = firstReading(q.field("pinyin").asText());
        wuhang = q.field("wuhang").asText();
    };
    read(surname.left(1), info.S1, info.ft1, info.pinyin1, info.wuhang1);
    if (gbkByteLength(surnameBox) == 4) read(surname.mid(1, 1), info.S2, info.ft2, info.pinyin2, info.wuhang2);
    return info;
}

ListResult runListStatement(const BoundStatement& statement, const QString& surname, const SurnameInfo& info)
{
    ListResult result(surname, info);
    Query q(Db::Velmora);
    q.scanWith(statement.sql, statement.params, [&](const StreamRow& row) { result.addRow(row); });
    result.readParts(q);
    return result;
}

ListResult runListQuery(ListQuery query, const QString& surname, const SurnameInfo& info)
{
    query.rowLimit = kListRowLimit;
    if (query.mode == ListMode::List) return runListStatement(buildListStatement(query), surname, info);
    query.idiomMatch = IdiomMatch::PreFiltered;
    query.rowLimit = kListRowLimit + 1;
    ListResult result = runListStatement(buildListStatement(query), surname, info);
    if (result.rowCount() <= kListRowLimit) return result;
    query.idiomMatch = IdiomMatch::Lookup;
    query.rowLimit = kListRowLimit;
    return runListStatement(buildListStatement(query), surname, info);
}
