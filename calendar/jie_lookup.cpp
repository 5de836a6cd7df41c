#include "jie_lookup.h"

#include "beijing_time.h"
#include "solar_term_names.h"

#include "data/failure.h"
#include "data/query.h"

#include <QStringList>

namespace {

// "JQ in (?, ?, …)" with the twelve names bound in the order of JieTermNames().
QString jieNameList()
{
    QStringList marks;
    for (int i = 0; i < 12; ++i) marks << QStringLiteral("?");
    return QStringLiteral("JQ in (") + marks.join(u", ") + u')';
}

std::vector<SqlParam> jieNameParams()
{
    std::vector<SqlParam> params;
    for (const QString& name : JieTermNames()) params.emplace_back(name);
    return params;
}

QDateTime asBeijing(const QDateTime& moment) { return BeijingMoment(moment.date(), moment.time()); }

}  // namespace

bool BornBeforeJieMoment(int year, const QDateTime& moment)
{
    return quietLookup(false, [&] {
        Query q(Db::Tgcode);
        std::vector<SqlParam> params{year};
        for (const SqlParam& p : jieNameParams()) params.push_back(p);
        params.emplace_back(moment.date().toString(QStringLiteral("yyyy-MM-dd")));
        q.openWith(QStringLiteral("select SJ from JQ where YearA = ? and ") + jieNameList()
                       + QStringLiteral(" and substr(SJ, 1, 10) = ? limit 1"),
                   params);
        if (q.rowCount() != 1) return false;
        const QDateTime term = MomentFromText(q.field(0).asText());
        return term.isValid() && asBeijing(moment) < term;
    });
}

std::optional<JieMoment> LatestJieAtOrBefore(const QDateTime& moment)
{
    return quietLookup(std::optional<JieMoment>(), [&]() -> std::optional<JieMoment> {
        const QDateTime beijing = asBeijing(moment);
        const int year = beijing.date().year();
        Query q(Db::Tgcode);
        std::vector<SqlParam> params{year - 1, year};
        for (const SqlParam& p : jieNameParams()) params.push_back(p);
        params.emplace_back(MomentText(beijing));
        q.openWith(QStringLiteral("select JQ, YearA, SJ from JQ where YearA in (?, ?) and ") + jieNameList()
                       + QStringLiteral(" and SJ <= ? order by SJ desc limit 1"),
                   params);
        if (q.isEmpty()) return std::nullopt;
        JieMoment jie{q.field(0).asText().trimmed(), q.field(1).asInt(), MomentFromText(q.field(2).asText())};
        if (!jie.moment.isValid() || MonthBranchOpenedBy(jie.name) < 0) return std::nullopt;
        return jie;
    });
}
