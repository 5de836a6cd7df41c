#include "list_search.h"

#include "data/char_dictionary.h"
#include "data/db_error.h"
#include "data/gbk_text.h"
#include "idiom_list.h"
#include "list_run.h"
#include "preferred_elements.h"
#include "stroke_plans.h"

#include <optional>

QString noListNameMessage()
{
    return QStringLiteral("没有符合要求的名字，请放宽限制条件(如：最低分数、固定文字、更换模式等)。");
}

namespace {

// "单字名" empties the fixed character.
QString fixedCharOf(const ListSearchOptions& o)
{
    return o.length == NameLength::Double ? o.fixedChar.trimmed() : QString();
}

std::optional<int> readInt(const QString& text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

struct Elements {
    QString E1, E2;
};

// A fixed character whose element is not a preferred one cancels the preference.
void cancelByFixedChar(Elements& e, const QString& fixedChar)
{
    if (fixedChar.isEmpty()) return;
    const QString fixed = CharElement(fixedChar);
    if (!e.E1.isEmpty() && !e.E2.isEmpty() && fixed != e.E1 && fixed != e.E2) e.E2.clear();
    if (!e.E1.isEmpty() && e.E2.isEmpty() && fixed != e.E1) e.E1.clear();
}

ListSearchError badInput(const QString& message)
{
    return {ListSearchError::BadInput, message};
}

}  // namespace

Expected<ListQuery, ListSearchError> listQueryFor(const ListSearchOptions& o, const QString& E1, const QString& E2,
                                                  const SurnameInfo& surname)
{
    ListQuery q;
    q.length = o.length;
    q.fixedChar = fixedCharOf(o);
    q.fixedAt = o.fixedAt;
    q.planCount = listPlanCount(q.length, !q.fixedChar.isEmpty());
    q.sex = o.sex;
    q.E1 = E1;
    q.E2 = E2;
    q.mode = o.mode;
    q.S1 = surname.S1;
    q.S2 = surname.S2;

    // Without "只起", or with its box left empty (which the plan list also reads as no minimum),
    // combinations above 60 take part.
    q.minScore = 60;
    if (o.minScoreChecked && !o.minScoreText.trimmed().isEmpty()) {
        const auto min = readInt(o.minScoreText);
        if (!min) return unexpected(badInput(QStringLiteral("最低分数不是整数：%1").arg(o.minScoreText)));
        q.minScore = *min - 1;
    }
    if (o.planText.trimmed() != kAutomaticPlan) {
        const auto plan = ReadStrokePlan(o.planText, o.length);
        if (!plan) return unexpected(badInput(QStringLiteral("读不懂笔画方案：%1").arg(o.planText)));
        q.G1 = plan->g1;
        q.G2 = plan->g2;
    }
    // The surname box as typed: two bytes are a single surname, four a compound one.
    const int bytes = gbkByteLength(o.surnameBox);
    if (bytes != 2 && bytes != 4)
        return unexpected(badInput(QStringLiteral("姓氏须是一个或两个汉字：%1").arg(o.surnameBox)));
    q.compoundSurname = bytes == 4;
    return q;
}

Expected<ListResult, ListSearchError> RunListSearch(const ListSearchOptions& o, QString& missingElements,
                                                    const QString& idiomText)
{
    const QString surname = o.surnameBox.trimmed();
    Elements e;
    if (o.matchElements) {
        const PreferredElements preferred = narrowPreferredElements(missingElements, splitSurname(surname));
        missingElements = preferred.remaining;
        e = {preferred.first, preferred.second};
    }
    cancelByFixedChar(e, fixedCharOf(o));
    try {
        const SurnameInfo info = lookupSurnameInfo(o.surnameBox);
        auto query = listQueryFor(o, e.E1, e.E2, info);
        if (!query) return unexpected(query.error());
        query->idiomText = idiomText;
        return runListQuery(*query, surname, info);
    } catch (const DbError& error) {
        return unexpected(ListSearchError{ListSearchError::FileUnreadable, error.message()});
    }
}

Expected<ListResult, ListSearchError> RunListSearch(const ListSearchOptions& options, QString& missingElements)
{
    return RunListSearch(options, missingElements, idiomText());
}
