#include "stroke_plans.h"

#include "data/char_dictionary.h"
#include "data/gbk_text.h"
#include "data/query.h"

namespace {

constexpr int kPlanItemMaxBytes = 30;
constexpr int kScoreTextMaxBytes = 16;

bool isOneCharacterKind(int kind)
{
    return kind % 10 == 1;
}

// How many plans a kind lists: the one-character given names have fewer combinations to choose
// from, so they list more of them; a fixed character narrows the rows and lets more through.
int planLimit(int kind, bool strokeFixed)
{
    if (strokeFixed) return 80;
    return isOneCharacterKind(kind) ? 40 : 20;
}

}  // namespace

QString formatPlanItem(int kind, int s1, int s2, const QString& g1, const QString& g2, const QString& score)
{
    const QString surname = kind >= 20 ? QStringLiteral("%1-%2").arg(s1).arg(s2) : QString::number(s1);
    const QString given = isOneCharacterKind(kind) ? g1 : g1 + u'-' + g2;
    return surname + u'|' + given + u'(' + score + QStringLiteral("分)");
}

QStringList StrokePlanItems(const StrokePlanOptions& options)
{
    QStringList items{kAutomaticPlan};
    const Surname surname = splitSurname(options.surname);

    int fixedFirst = 0, fixedSecond = 0;
    if (const QString fixed = options.fixedChar.trimmed(); !fixed.isEmpty()) {
        const int strokes = CharStrokes(fixed);
        (options.fixedAt == FixedPosition::Second ? fixedFirst : fixedSecond) = strokes;
    }
    const int s1 = CharStrokes(surname.first);
    const int s2 = surname.compound ? CharStrokes(surname.second) : 0;
    const int kind = combinationKind(surname, options.length);

    QString sql = QStringLiteral("select bh11, bh12, bh21, bh22, zf from zh where bh21 < 25 and bh22 < 25 and lx = ? and bh11 = ?");
    std::vector<SqlParam> params{kind, s1};
    if (surname.compound) {
        sql += QStringLiteral(" and bh12 = ?");
        params.emplace_back(s2);
    }
    if (fixedFirst > 0) {
        sql += QStringLiteral(" and bh21 = ?");
        params.emplace_back(fixedFirst);
    } else if (fixedSecond > 0) {
        sql += QStringLiteral(" and bh22 = ?");
        params.emplace_back(fixedSecond);
    }
    if (options.minimumScore) {
        sql += QStringLiteral(" and zf >= ?");
        params.emplace_back(*options.minimumScore);
    }
    // jxjx and the score decide; the strokes only make equal rows come in a fixed order.
    sql += QStringLiteral(" order by jxjx asc, zf asc, bh21 asc, bh22 asc limit ?");
    params.emplace_back(planLimit(kind, fixedFirst > 0 || fixedSecond > 0));

    Query q(Db::Velmora);  // reported failure: a DbError reaches the caller
    for (q.openWith(sql, params); !q.atEnd(); q.next()) {
        items << formatPlanItem(kind, s1, s2, q.field(2).asText().trimmed(), q.field(3).asText().trimmed(),
                                q.field(4).asText().trimmed());
    }
    return items;
}

std::optional<StrokePlan> ReadStrokePlan(const QString& item, NameLength length)
{
    const QString text = item.trimmed();
    const qsizetype bar = text.indexOf(u'|');
    if (bar < 0) return std::nullopt;
    const QString plan = gbkLeft(text.mid(bar + 1).trimmed(), kPlanItemMaxBytes);
    const qsizetype paren = plan.indexOf(u'(');
    if (paren < 0) return std::nullopt;

    StrokePlan out;
    out.scoreText = gbkLeft(plan.mid(paren), kScoreTextMaxBytes).trimmed();
    const QString strokes = plan.left(paren);
    bool ok1 = false, ok2 = true;
    if (length == NameLength::Single) {
        out.g1 = strokes.toInt(&ok1);
    } else {
        const qsizetype dash = strokes.indexOf(u'-');
        if (dash < 0) return std::nullopt;
        out.g1 = strokes.left(dash).toInt(&ok1);
        out.g2 = strokes.mid(dash + 1).toInt(&ok2);
    }
    if (!ok1 || !ok2) return std::nullopt;
    return out;
}
