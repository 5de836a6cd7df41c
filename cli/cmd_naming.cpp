// plans and names: the naming page's stroke plans and its classic search, with the page's defaults
// (双字名, 第二字, minimum 70, pick score 75); list-names and idioms: its list and idiom modes.
#include "cli/cmd_naming.h"

#include "cli/cmd_quality.h"
#include "cli/options.h"
#include "data/db_error.h"
#include "naming/classic_search.h"
#include "naming/idiom_list.h"
#include "naming/list_pager.h"
#include "naming/list_search.h"
#include "naming/name_placement.h"
#include "naming/naming_state.h"
#include "naming/preferred_elements.h"
#include "naming/stroke_plans.h"

#include <QRandomGenerator>
#include <optional>

namespace {

const char* const kPlansUsage =
    "plans --surname S [--length 双字名|单字名] [--fixed C] [--position 第二字|第三字] [--min N | --no-min]";
const char* const kNamesUsage =
    "names --surname S --sex 男|女 [--length 双字名|单字名] [--fixed C] [--position 第二字|第三字] "
    "[--min N | --no-min] [--plan ITEM] [--pick N | --no-pick] [--elements 木水] [--picked | --recommend N]";

const QStringList kPlanOptions = {"surname", "length", "fixed", "position", "min"};

// The command's arguments: "--name value" options, and the switches that take no value.
struct Arguments {
    QMap<QString, QString> values;
    QStringList switches;
};

Expected<Arguments, QString> readArguments(const QStringList& args, const QStringList& allowed,
                                           const QStringList& switches)
{
    Arguments out;
    QStringList rest;
    for (const QString& arg : args) {
        if (arg.startsWith(QStringLiteral("--")) && switches.contains(arg.mid(2))) {
            if (out.switches.contains(arg.mid(2))) return unexpected(QStringLiteral("option given twice: %1").arg(arg));
            out.switches << arg.mid(2);
        } else {
            rest << arg;
        }
    }
    auto values = parseOptions(rest, allowed);
    if (!values) return unexpected(values.error());
    out.values = *values;
    return out;
}

// One of the fixed texts of a choice box, by its index.
Expected<int, QString> choiceOf(const Arguments& a, const QString& name, const QStringList& texts)
{
    if (!a.values.contains(name)) return 0;
    const int index = int(texts.indexOf(a.values.value(name).trimmed()));
    if (index < 0) return unexpected(QStringLiteral("--%1 must be %2").arg(name, texts.join(u'|')));
    return index;
}

// A score box: a whole number of at most two digits.
Expected<int, QString> scoreOf(const Arguments& a, const QString& name)
{
    bool ok = false;
    const int n = a.values.value(name).trimmed().toInt(&ok);
    if (!ok || n < 0 || n > 99) return unexpected(QStringLiteral("--%1 must be a number from 0 to 99").arg(name));
    return n;
}

Expected<StrokePlanOptions, QString> planOptionsOf(const Arguments& a)
{
    StrokePlanOptions o;
    o.surname = a.values.value("surname").trimmed();
    if (o.surname.isEmpty()) return unexpected(QStringLiteral("--surname is missing or empty"));

    const auto length = choiceOf(a, "length", {QStringLiteral("双字名"), QStringLiteral("单字名")});
    if (!length) return unexpected(length.error());
    o.length = *length == 0 ? NameLength::Double : NameLength::Single;
    const auto position = choiceOf(a, "position", {QStringLiteral("第二字"), QStringLiteral("第三字")});
    if (!position) return unexpected(position.error());
    o.fixedAt = *position == 0 ? FixedPosition::Second : FixedPosition::Third;

    o.fixedChar = a.values.value("fixed").trimmed();
    if (o.fixedChar.size() > 1) return unexpected(QStringLiteral("--fixed takes one character"));
    // As on the page: entering a fixed character unchecks "只起 … 分以上名字".
    if (!o.fixedChar.isEmpty()) o.minimumScore.reset();
    if (a.values.contains("min") && a.switches.contains("no-min"))
        return unexpected(QStringLiteral("--min and --no-min exclude each other"));
    if (a.values.contains("min")) {
        const auto min = scoreOf(a, "min");
        if (!min) return unexpected(min.error());
        o.minimumScore = *min;
    }
    if (a.switches.contains("no-min")) o.minimumScore.reset();
    return o;
}

int usageError(CliStreams io, const QString& message, const char* usage)
{
    io.err << message << "\nusage: jiaming-cli " << usage << '\n';
    return kExitUsage;
}

}  // namespace

int runPlans(const QStringList& args, CliStreams io)
{
    const auto a = readArguments(args, kPlanOptions, {"no-min"});
    if (!a) return usageError(io, a.error(), kPlansUsage);
    const auto options = planOptionsOf(*a);
    if (!options) return usageError(io, options.error(), kPlansUsage);
    try {
        for (const QString& item : StrokePlanItems(*options)) io.out << item << '\n';
    } catch (const DbError& e) {
        io.err << e.message() << '\n';
        return kExitFailure;
    }
    return kExitOk;
}

int runNames(const QStringList& args, CliStreams io)
{
    const auto a = readArguments(args, kPlanOptions + QStringList{"sex", "plan", "pick", "elements", "recommend"},
                                 {"no-min", "no-pick", "picked"});
    if (!a) return usageError(io, a.error(), kNamesUsage);
    const auto plans = planOptionsOf(*a);
    if (!plans) return usageError(io, plans.error(), kNamesUsage);

    const auto& v = a->values;
    if (!v.contains("sex")) return usageError(io, QStringLiteral("--sex is missing"), kNamesUsage);
    const auto sex = choiceOf(*a, "sex", {QStringLiteral("男"), QStringLiteral("女")});
    if (!sex) return usageError(io, sex.error(), kNamesUsage);

    std::optional<int> pickScore = 75;
    if (v.contains("pick") && a->switches.contains("no-pick"))
        return usageError(io, QStringLiteral("--pick and --no-pick exclude each other"), kNamesUsage);
    if (v.contains("pick")) {
        const auto pick = scoreOf(*a, "pick");
        if (!pick) return usageError(io, pick.error(), kNamesUsage);
        pickScore = *pick;
    }
    if (a->switches.contains("no-pick")) pickScore.reset();

    ClassicSearchOptions o;
    o.surname = plans->surname;
    o.sex = *sex == 0 ? ChildSex::Boy : ChildSex::Girl;
    o.length = plans->length;
    o.fixedChar = plans->fixedChar;
    o.fixedAt = plans->fixedAt;
    o.planChoice = v.value("plan", kAutomaticPlan).trimmed();
    if (o.planChoice != kAutomaticPlan && !ReadStrokePlan(o.planChoice, o.length))
        return usageError(io, QStringLiteral("--plan is no plan item: %1").arg(o.planChoice), kNamesUsage);
    if (v.contains("elements")) {
        const QString elements = v.value("elements").trimmed();
        for (const QChar c : elements)
            if (!QStringLiteral("金木水火土").contains(c))
                return usageError(io, QStringLiteral("--elements takes the characters 金木水火土"), kNamesUsage);
        const PreferredElements preferred = narrowPreferredElements(elements, splitSurname(o.surname));
        o.element1 = preferred.first;
        o.element2 = preferred.second;
    }

    try {
        if (o.planChoice == kAutomaticPlan) o.plans = StrokePlanItems(*plans).mid(1);
    } catch (const DbError& e) {
        io.err << e.message() << '\n';
        return kExitFailure;
    }
    const bool onlyPicked = a->switches.contains("picked");
    std::optional<int> recommend;
    if (v.contains("recommend")) {
        if (onlyPicked) return usageError(io, QStringLiteral("--picked and --recommend exclude each other"), kNamesUsage);
        const auto n = recommendCountOf(v.value("recommend"));
        if (!n) return usageError(io, n.error(), kNamesUsage);
        recommend = *n;
    }
    QStringList lines;
    const std::atomic_bool searching{true};
    const SearchEnd end = RunClassicSearch(o, searching, [&](const QString& line) {
        const QString name = line.trimmed();
        if (recommend) lines << name;
        else if (!onlyPicked || isPickedLine(name, pickScore)) io.out << name << '\n';
    });
    if (end == SearchEnd::Failed) {
        io.err << "the search ended early: Velmora.dll could not be read\n";
        return kExitFailure;
    }
    if (recommend)
        return printRecommended(io, o.surname, o.sex, o.fixedChar, candidatesFromLines(o.surname, lines), *recommend);
    return kExitOk;
}

namespace {

const char* const kListNamesUsage =
    "list-names --surname S --sex 男|女 [--mode list|idiom] [--length 双字名|单字名] [--plan ITEM] [--fixed C] "
    "[--position 第二字|第三字] [--min N | --no-min] [--elements 木水] [--page K | --all | --recommend N]";

struct ListNamesRequest {
    ListSearchOptions options;
    QString missingElements;
    int page = 1;
    bool all = false;
    std::optional<int> recommend;
};

// The options of plans mean the same here; the surname box is taken as typed, since the list modes
// tell a single from a compound surname by its length.
Expected<ListNamesRequest, QString> listNamesRequestOf(const Arguments& a)
{
    const auto plans = planOptionsOf(a);
    if (!plans) return unexpected(plans.error());
    const auto& v = a.values;
    if (!v.contains("sex")) return unexpected(QStringLiteral("--sex is missing"));
    const auto sex = choiceOf(a, "sex", {QStringLiteral("男"), QStringLiteral("女")});
    if (!sex) return unexpected(sex.error());
    const auto mode = choiceOf(a, "mode", {QStringLiteral("list"), QStringLiteral("idiom")});
    if (!mode) return unexpected(mode.error());

    ListNamesRequest r;
    ListSearchOptions& o = r.options;
    o.surnameBox = v.value("surname");
    o.sex = *sex == 0 ? ChildSex::Boy : ChildSex::Girl;
    o.length = plans->length;
    o.fixedChar = plans->fixedChar;
    o.fixedAt = plans->fixedAt;
    o.minScoreChecked = plans->minimumScore.has_value();
    if (plans->minimumScore) o.minScoreText = QString::number(*plans->minimumScore);
    o.planText = v.value("plan", kAutomaticPlan);
    o.mode = *mode == 0 ? ListMode::List : ListMode::Idiom;
    if (v.contains("elements")) {
        r.missingElements = v.value("elements").trimmed();
        for (const QChar c : r.missingElements)
            if (!QStringLiteral("金木水火土").contains(c))
                return unexpected(QStringLiteral("--elements takes the characters 金木水火土"));
        o.matchElements = true;
    }

    r.all = a.switches.contains("all");
    if (r.all && v.contains("page")) return unexpected(QStringLiteral("--page and --all exclude each other"));
    if (v.contains("recommend")) {
        if (r.all || v.contains("page")) return unexpected(QStringLiteral("--recommend excludes --page and --all"));
        const auto n = recommendCountOf(v.value("recommend"));
        if (!n) return unexpected(n.error());
        r.recommend = *n;
    }
    bool ok = true;
    r.page = v.value("page", QStringLiteral("1")).trimmed().toInt(&ok);
    if (!ok || r.page < 1) return unexpected(QStringLiteral("--page must be a number from 1"));
    return r;
}

void printListRow(QTextStream& out, const ListResult& result, int row, int number)
{
    out << cellTexts(result.row(row, number)).join(u'\t') << '\n';
}

}  // namespace

int runListNames(const QStringList& args, CliStreams io)
{
    const auto a = readArguments(args, kPlanOptions + QStringList{"sex", "mode", "plan", "elements", "page", "recommend"},
                                 {"no-min", "all"});
    if (!a) return usageError(io, a.error(), kListNamesUsage);
    auto request = listNamesRequestOf(*a);
    if (!request) return usageError(io, request.error(), kListNamesUsage);

    const auto result = RunListSearch(request->options, request->missingElements);
    if (!result) {
        if (result.error().kind == ListSearchError::BadInput)
            return usageError(io, result.error().message, kListNamesUsage);
        io.err << result.error().message << '\n';
        return kExitFailure;
    }
    if (result->rowCount() == 0) {
        io.err << noListNameMessage() << '\n';
        return kExitFailure;
    }
    if (request->recommend) {
        const ListResult& rows = *result;
        NameCandidates candidates;
        candidates.count = rows.rowCount();
        candidates.given = [&](int i) { return rows.givenName(i + 1); };
        candidates.score = [&](int i) { return rows.score(i + 1); };
        candidates.line = [&](int i) {
            return rows.surname() + rows.givenName(i + 1) + u'(' + QString::number(rows.score(i + 1)) + u')';
        };
        return printRecommended(io, rows.surname(), request->options.sex, request->options.fixedChar.trimmed(), candidates,
                                *request->recommend);
    }
    if (request->all) {
        for (int row = 1; row <= result->rowCount(); ++row) printListRow(io.out, *result, row, row);
        return kExitOk;
    }
    // The pages of a large result are drawn at random, as "继续显示" draws them; a page after the
    // last is refused, as the button is disabled there.
    ListPager pager(result->rowCount());
    QRandomGenerator random = QRandomGenerator::securelySeeded();
    std::vector<int> rows;
    for (int page = 1; page <= request->page; ++page) {
        if (!pager.moreToShow())
            return usageError(io, QStringLiteral("--page %1 is after the last page (%2)").arg(request->page).arg(page - 1),
                              kListNamesUsage);
        rows = pager.nextPage(NamingState::kListPageSize, random);
    }
    for (size_t i = 0; i < rows.size(); ++i) printListRow(io.out, *result, rows[i], int(i) + 1);
    return kExitOk;
}

int runIdioms(const QStringList& args, CliStreams io)
{
    if (!args.isEmpty()) {
        io.err << "usage: jiaming-cli idioms\n";
        return kExitUsage;
    }
    for (const QString& idiom : idiomLines()) io.out << idiom << '\n';
    return kExitOk;
}
