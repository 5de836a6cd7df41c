#include "list_statement.h"

#include "idiom_list.h"

#include <QJsonArray>
#include <QJsonDocument>

int listPlanCount(NameLength length, bool hasFixedChar)
{
    return length == NameLength::Double && !hasFixedChar ? 50 : 500;
}

namespace {

// Each row names its parts by row id only; the texts of a character or a combination are read once
// however many names share it, which keeps both the statement and the stored result light.
const char* const kOuterColumns = "select zid, rb, rc from ";

int kindOf(const ListQuery& q)
{
    return (q.compoundSurname ? 20 : 10) + (q.length == NameLength::Double ? 2 : 1);
}

// The T best combinations of the kind for the surname with a score above M.
QString combinations(const ListQuery& q, std::vector<SqlParam>& params)
{
    QString sql = QStringLiteral("(select rowid as zid, bh21, bh22, zf from zh where lx = %1 and bh11 = ?")
                      .arg(kindOf(q));
    params.emplace_back(q.S1);
    if (q.compoundSurname) {
        sql += " and bh12 = ?";
        params.emplace_back(q.S2);
    }
    sql += " and zf > ? order by jxjx, zf desc limit ?) a";
    params.emplace_back(q.minScore);
    params.emplace_back(q.planCount);
    return sql;
}

// The characters of the idiom list as one bound value, a JSON array, which the engine reads into a
// keyed set once per statement.
SqlParam idiomCharacterSet(const ListQuery& q)
{
    return QString::fromUtf8(
        QJsonDocument(QJsonArray::fromStringList(distinctCharacters(q.idiomText))).toJson(QJsonDocument::Compact));
}

bool preFiltered(const ListQuery& q)
{
    return q.mode == ListMode::Idiom && q.idiomMatch == IdiomMatch::PreFiltered;
}

// The dictionary the characters b and c are drawn from: all of word, or only its rows whose
// character occurs in the idiom list (idiom_word, which names word's row id wid).
QString characterSource(const ListQuery& q, std::vector<SqlParam>& params)
{
    if (preFiltered(q)) {
        params.push_back(idiomCharacterSet(q));
        return QStringLiteral("with idiom_word as materialized (select rowid as wid, zi, bh, wuhang, nan, nv, xb, aflag"
                              " from word where aflag is null and zi in (select value from json_each(?))) ");
    }
    return {};
}


QString idiomCondition(const ListQuery& q, const char* zi, std::vector<SqlParam>& params)
{
    switch (q.idiomMatch) {
    case IdiomMatch::PreFiltered: return {};  // the source holds nothing else
    case IdiomMatch::Lookup:
        // The unary + keeps the engine from driving the join from the set (thousands of characters
        // times thousands): it joins by strokes as without the condition, in the order of Like.
        params.push_back(idiomCharacterSet(q));
        return QStringLiteral(" and +%1 in (select value from json_each(?))").arg(QLatin1String(zi));
    case IdiomMatch::Like:
        params.emplace_back(q.idiomText);
        return QStringLiteral(" and ? like '%' || %1 || '%'").arg(QLatin1String(zi));
    }
    return {};
}

QString oneCharConditions(const ListQuery& q, std::vector<SqlParam>& params)
{
    QString sql;
    const bool boy = q.sex == ChildSex::Boy;
    sql += boy ? " and (b.xb = ? or b.nan = 1 or b.xb = '0' or b.xb = '1') "
               : " and (b.xb = ? or b.nv = 1 or b.xb = '0' or b.xb = '1') ";
    params.emplace_back(boy ? QStringLiteral("男") : QStringLiteral("女"));
    // With two preferred elements a one-character name takes no element condition.
    if (!q.E1.isEmpty() && q.E2.isEmpty()) {
        sql += " and b.wuhang = ?";
        params.emplace_back(q.E1);
    }
    if (q.G1 >= 1) {
        sql += " and b.bh = ?";
        params.emplace_back(q.G1);
    }
    if (q.mode == ListMode::Idiom) sql += idiomCondition(q, "b.zi", params);
    return sql;
}

QString twoCharConditions(const ListQuery& q, std::vector<SqlParam>& params)
{
    QString sql = q.sex == ChildSex::Boy ? " and (b.nan + c.nan > 0) " : " and (b.nv + c.nv > 0) ";
    if (!q.E1.isEmpty() && !q.E2.isEmpty()) {
        sql += " and ((b.wuhang = ? and c.wuhang = ?) or (b.wuhang = ? and c.wuhang = ?))";
        params.insert(params.end(), {q.E1, q.E2, q.E2, q.E1});
    } else if (!q.E1.isEmpty()) {
        sql += " and (b.wuhang = ? or c.wuhang = ?)";
        params.insert(params.end(), {q.E1, q.E1});
    }
    if (!q.fixedChar.isEmpty()) {
        sql += q.fixedAt == FixedPosition::Third ? " and c.zi = ? " : " and b.zi = ? ";
        params.emplace_back(q.fixedChar);
    }
    if (q.G1 >= 1) {
        sql += " and b.bh = ?";
        params.emplace_back(q.G1);
    }
    if (q.G2 > 0) {
        sql += " and c.bh = ?";
        params.emplace_back(q.G2);
    }
    if (q.mode == ListMode::Idiom) {
        sql += idiomCondition(q, "b.zi", params);
        sql += idiomCondition(q, "c.zi", params);
    }
    return sql;
}

}  // namespace

BoundStatement buildListStatement(const ListQuery& q)
{
    BoundStatement s;
    const QString word = preFiltered(q) ? QStringLiteral("idiom_word") : QStringLiteral("word");
    const QString id = preFiltered(q) ? QStringLiteral("wid") : QStringLiteral("rowid");
    // Pieces that bind values are appended one statement at a time, so the values follow the text.
    s.sql = characterSource(q, s.params);
    s.sql += QString::fromLatin1(kOuterColumns) + "(select a.zid, b." + id + " as rb, "
             + (q.length == NameLength::Double ? "c." + id + " as rc" : QStringLiteral("NULL as rc")) + " from ";
    s.sql += combinations(q, s.params);
    if (q.length == NameLength::Double) {
        s.sql += ", " + word + " b, " + word + " c where a.bh21 = b.bh and a.bh22 = c.bh"
                 " and b.aflag is null and c.aflag is null";
        s.sql += twoCharConditions(q, s.params);
    } else {
        s.sql += ", " + word + " b where a.bh21 = b.bh and b.aflag is null";
        s.sql += oneCharConditions(q, s.params);
    }
    s.sql += QStringLiteral(") d limit %1").arg(q.rowLimit);
    return s;
}
