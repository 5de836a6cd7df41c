#include "classic_search.h"

#include "data/db_error.h"
#include "data/query.h"
#include "naming/spread_order.h"
#include "naming/stroke_plans.h"

#include <optional>
#include <vector>

namespace {

// SQL text with its bound values, in the order of the placeholders.
struct Sql {
    QString text;
    std::vector<SqlParam> params;

    template <class... Values>
    Sql& add(const QString& piece, const Values&... values)
    {
        text += piece;
        (params.emplace_back(values), ...);
        return *this;
    }
    Sql& add(const Sql& other)
    {
        text += other.text;
        params.insert(params.end(), other.params.begin(), other.params.end());
        return *this;
    }
};

enum class Mode { SinglePlan, Automatic };

// Values that the two modes write differently into their statements. The ordering keys make the
// first character vary slowest; a fixed character sorts with the constants given.
struct ModeConstants {
    int firstPxOffset, secondPxOffset;
    int fixedSecondPx, fixedSecondId, fixedThirdPx, fixedThirdId;
    bool addFirstId;  // the two-character key adds the first character's id
};
constexpr ModeConstants kSinglePlan{551, 5000, 120, 131, 119, 111, true};
constexpr ModeConstants kAutomatic{1000, 5001, 11, 100, 12, 100, false};

// Everything a search decides once, when it starts.
struct SearchSetup {
    const ClassicSearchOptions& options;
    const ModeConstants& mode;
    QString sexText, sexColumn;  // "男" / "nan", "女" / "nv"
    QString clause, mark;

    bool fixed() const { return !options.fixedChar.isEmpty(); }
    bool twoCharacters() const { return options.length == NameLength::Double; }
};

// The sex clause admits a character of the child's sex or of either sex, or one marked for the
// child's sex; the mark requires the mark. Some cases also name the class "0" (no name character),
// which "Aflag is null" keeps out in any case.
SearchSetup makeSetup(const ClassicSearchOptions& o, const ModeConstants& mode)
{
    SearchSetup s{o, mode, {}, {}, {}, {}};
    const bool boy = o.sex == ChildSex::Boy;
    s.sexText = boy ? QStringLiteral("男") : QStringLiteral("女");
    s.sexColumn = boy ? QStringLiteral("nan") : QStringLiteral("nv");
    const bool admitsZero = o.length == NameLength::Single || !o.fixedChar.isEmpty() || !boy;
    s.clause = QStringLiteral(" and (xb = ? or %1 = 1 or xb = '1'%2)")
                   .arg(s.sexColumn, admitsZero ? QStringLiteral(" or xb = '0'") : QString());
    s.mark = QStringLiteral(" and %1 = 1").arg(s.sexColumn);
    return s;
}

// The fixed character as a one-row table, with the sex marks and element of its own dictionary row
// (by simplified, then traditional form), or none of them when the dictionary lacks it.
Sql fixedCharacterRow(const QString& ch, int px, int id)
{
    Sql sql;
    return sql.add(QStringLiteral("select ? as zi, %1 as px, %2 as id, ifnull(w.nan, 0) as nan, ifnull(w.nv, 0) as nv,"
                                  " ifnull(w.wuhang, '') as wuhang from (select 1) left join"
                                  " (select nan, nv, wuhang from word where zi = ? or ft = ? order by zi = ? desc limit 1) w")
                       .arg(px).arg(id),
                   ch, ch, ch, ch);
}

Sql characterRows(const SearchSetup& s, int pxOffset, int strokes, bool withMark)
{
    Sql sql;
    sql.add(QStringLiteral("select zi, px + %1 as px, id, nan, nv, wuhang from word where Aflag is null").arg(pxOffset));
    sql.add(s.clause, s.sexText);
    if (withMark) sql.add(s.mark);
    if (strokes > 0) sql.add(QStringLiteral(" and bh = ?"), strokes);
    return sql;
}

// The names of one plan: columns mz (the name line), px (ordering key), you (how many of the given
// characters are marked for the child's sex; 1 for one character), wuhang1 and wuhang2.
Sql planStatement(const SearchSetup& s, const StrokePlan& plan)
{
    const ModeConstants& m = s.mode;
    const QString& f = s.options.fixedChar;
    const bool fixedSecond = s.fixed() && s.options.fixedAt == FixedPosition::Second;
    const bool fixedThird = s.fixed() && s.options.fixedAt == FixedPosition::Third;

    const Sql first = fixedSecond ? fixedCharacterRow(f, m.fixedSecondPx, m.fixedSecondId)
                                  : characterRows(s, m.firstPxOffset, plan.g1, false);
    Sql sql;
    if (!s.twoCharacters()) {
        sql.add(QStringLiteral("select ? || a.zi || ? as mz, (a.px + a.id) as px, 1 as you, a.wuhang as wuhang1 from ("),
                s.options.surname, plan.scoreText);
        return sql.add(first).add(QStringLiteral(") a"));
    }
    const Sql second = fixedThird ? fixedCharacterRow(f, m.fixedThirdPx, m.fixedThirdId)
                                  : characterRows(s, m.secondPxOffset, plan.g2, true);
    sql.add(QStringLiteral("select ? || a.zi || b.zi || ? as mz, (a.px + b.px%1) as px, a.%2 + b.%2 as you,"
                           " a.wuhang as wuhang1, b.wuhang as wuhang2 from (")
                .arg(m.addFirstId ? QStringLiteral(" + a.id") : QString(), s.sexColumn),
            s.options.surname, plan.scoreText);
    return sql.add(first).add(QStringLiteral(") a, (")).add(second).add(QStringLiteral(") b"));
}

// Wraps the plans' statements: the preferred elements, or else the sex marks, decide which names stay.
Sql finalStatement(const SearchSetup& s, const Sql& names)
{
    const QString& e1 = s.options.element1;
    const QString& e2 = s.options.element2;
    Sql sql;
    sql.add(QStringLiteral("select mz from (")).add(names).add(QStringLiteral("\n) p"));
    if (s.twoCharacters()) {
        if (!e1.isEmpty() && !e2.isEmpty()) {
            sql.add(QStringLiteral(" where (wuhang1 = ? and wuhang2 = ?) or (wuhang1 = ? and wuhang2 = ?)"), e1, e2, e2, e1);
        } else if (!e1.isEmpty()) {
            sql.add(QStringLiteral(" where wuhang1 = ? or wuhang2 = ?"), e1, e1);
        } else {
            sql.add(QStringLiteral(" where you > 0"));
        }
    } else if (!e1.isEmpty() && !e2.isEmpty()) {
        sql.add(QStringLiteral(" where wuhang1 = ? or wuhang1 = ?"), e1, e2);
    } else if (!e1.isEmpty()) {
        sql.add(QStringLiteral(" where wuhang1 = ?"), e1);
    }
    // Names of equal key come in the order of their text, so a search reads the same every time.
    return sql.add(QStringLiteral(" order by px, mz"));
}

// Reads the rows in spread order; false when the stop flag ended the reading.
bool readSpread(Query& q, const BandOrder& bands, const std::atomic_bool& searching, const NameLineSink& emitLine)
{
    for (const QList<int>& pass : spreadPasses(q.rowCount(), bands)) {
        if (!searching.load()) return false;
        for (int row : pass) {
            q.moveTo(row);
            emitLine(q.field(0).asText());
        }
    }
    return true;
}

SearchEnd runSinglePlan(const ClassicSearchOptions& o, const std::atomic_bool& searching, const NameLineSink& emitLine)
{
    const auto plan = ReadStrokePlan(o.planChoice, o.length);
    if (!plan) return SearchEnd::Failed;
    const SearchSetup setup = makeSetup(o, kSinglePlan);
    const Sql sql = finalStatement(setup, planStatement(setup, *plan));
    Query q(Db::Velmora);
    q.openWith(sql.text, sql.params);
    return readSpread(q, kSinglePlanBands, searching, emitLine) ? SearchEnd::Finished : SearchEnd::Stopped;
}

SearchEnd runAutomatic(const ClassicSearchOptions& o, const std::atomic_bool& searching, const NameLineSink& emitLine)
{
    const SearchSetup setup = makeSetup(o, kAutomatic);
    Query q(Db::Velmora);
    for (const QStringList& batch : planBatches(o.plans)) {
        if (!searching.load()) return SearchEnd::Stopped;
        Sql names;
        for (const QString& item : batch) {
            const auto plan = ReadStrokePlan(item, o.length);
            if (!plan) return SearchEnd::Failed;
            // Plans differ in their strokes, so no name comes from two of them: nothing to merge.
            if (!names.text.isEmpty()) names.add(QStringLiteral("\n union all "));
            names.add(QStringLiteral("\n")).add(planStatement(setup, *plan));
        }
        const Sql sql = finalStatement(setup, names);
        q.openWith(sql.text, sql.params);
        if (!readSpread(q, kAutomaticBands, searching, emitLine)) return SearchEnd::Stopped;
    }
    return SearchEnd::Finished;
}

}  // namespace

QList<QStringList> planBatches(const QStringList& plans)
{
    QList<QStringList> batches;
    for (qsizetype i = 0; i < plans.size(); i += kPlansPerStatement) batches << plans.mid(i, kPlansPerStatement);
    return batches;
}

SearchEnd RunClassicSearch(const ClassicSearchOptions& options, const std::atomic_bool& searching,
                           const NameLineSink& emitLine)
{
    try {
        if (options.planChoice.trimmed() != kAutomaticPlan) return runSinglePlan(options, searching, emitLine);
        return runAutomatic(options, searching, emitLine);
    } catch (const DbError&) {
        return SearchEnd::Failed;
    }
}
