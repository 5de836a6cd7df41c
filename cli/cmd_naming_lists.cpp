// list-names and idioms: the list and idiom naming modes and their idiom list.
#include "cli/cmd_naming_lists.h"

#include "cli/options.h"
#include "naming/idiom_list.h"
#include "naming/list_pager.h"
#include "naming/list_search.h"
#include "naming/naming_state.h"

#include <QRandomGenerator>
#include <optional>

namespace {

const char* const kListNamesUsage =
    "list-names --surname S --sex 男|女 [--mode list|idiom] [--length 双字名|单字名] [--plan ITEM] [--fixed C] "
    "[--position 第二字|第三字] [--min N | --no-min] [--elements 木水] [--page K | --all]";

// Removes a flag without a value from args; true when it was there.
bool takeFlag(QStringList& args, const QString& flag)
{
    return args.removeAll(flag) > 0;
}

struct ListNamesRequest {
    ListSearchOptions options;
    QString missingElements;
    int page = 1;
    bool all = false;
};

Expected<ListNamesRequest, QString> readRequest(QStringList args)
{
    ListNamesRequest r;
    const bool noMin = takeFlag(args, "--no-min");
    r.all = takeFlag(args, "--all");
    const auto parsed = parseOptions(args, {"surname", "sex", "mode", "length", "plan", "fixed", "position", "min",
                                            "elements", "page"});
    if (!parsed) return unexpected(parsed.error());
    const QMap<QString, QString>& o = *parsed;
    auto oneOf = [&](const QString& name, const QStringList& values, const QString& fallback) -> std::optional<QString> {
        const QString v = o.value(name, fallback);
        if (values.contains(v)) return v;
        return std::nullopt;
    };

    ListSearchOptions& s = r.options;
    s.surnameBox = o.value("surname");
    if (s.surnameBox.trimmed().isEmpty()) return unexpected(QStringLiteral("--surname is missing"));
    const auto sex = oneOf("sex", {"男", "女"}, QString());
    const auto mode = oneOf("mode", {"list", "idiom"}, "list");
    const auto length = oneOf("length", {"双字名", "单字名"}, "双字名");
    const auto position = oneOf("position", {"第二字", "第三字"}, "第二字");
    if (!sex) return unexpected(QStringLiteral("--sex must be 男 or 女"));
    if (!mode) return unexpected(QStringLiteral("--mode must be list or idiom"));
    if (!length) return unexpected(QStringLiteral("--length must be 双字名 or 单字名"));
    if (!position) return unexpected(QStringLiteral("--position must be 第二字 or 第三字"));
    s.sex = *sex;
    s.mode = *mode == "idiom" ? ListMode::Idiom : ListMode::List;
    s.twoCharName = *length == "双字名";
    s.fixedAtThird = *position == "第三字";
    s.fixedChar = o.value("fixed").trimmed();
    if (s.fixedChar.size() > 1) return unexpected(QStringLiteral("--fixed takes one character"));
    s.planText = o.value("plan", s.planText);

    if (noMin && o.contains("min")) return unexpected(QStringLiteral("--min and --no-min exclude each other"));
    // A fixed character unticks 只起 as leaving the box does, unless a minimum is asked for.
    s.minScoreChecked = !noMin && (o.contains("min") || s.fixedChar.isEmpty());
    s.minScoreText = o.value("min", s.minScoreText);
    bool ok = true;
    if (s.minScoreChecked) s.minScoreText.trimmed().toInt(&ok);
    if (!ok) return unexpected(QStringLiteral("--min must be a whole number"));

    if (o.contains("elements")) {
        r.missingElements = o.value("elements").trimmed();
        for (QChar c : r.missingElements)
            if (!QStringLiteral("金木水火土").contains(c))
                return unexpected(QStringLiteral("--elements takes the characters 金木水火土"));
        s.matchElements = true;
    }
    if (r.all && o.contains("page")) return unexpected(QStringLiteral("--page and --all exclude each other"));
    r.page = o.value("page", "1").toInt(&ok);
    if (!ok || r.page < 1) return unexpected(QStringLiteral("--page must be a number from 1"));
    return r;
}

void printRow(QTextStream& out, const ListResult& result, int row, int number)
{
    out << result.cells(row, number).join(u'\t') << '\n';
}

}  // namespace

int runListNames(const QStringList& args, CliStreams io)
{
    auto request = readRequest(args);
    if (!request) {
        io.err << request.error() << "\nusage: jiaming-cli " << kListNamesUsage << '\n';
        return kExitUsage;
    }
    const auto result = RunListSearch(request->options, request->missingElements);
    if (!result) {
        io.err << result.error().message << '\n';
        return result.error().kind == ListSearchError::BadInput ? kExitUsage : kExitFailure;
    }
    if (result->rowCount() == 0) {
        io.err << noListNameMessage() << '\n';
        return kExitFailure;
    }
    if (request->all) {
        for (int row = 1; row <= result->rowCount(); ++row) printRow(io.out, *result, row, row);
        return kExitOk;
    }
    // Pages of a large result are drawn at random, as "继续显示" draws them; a page after the last
    // prints nothing.
    ListPager pager(result->rowCount());
    QRandomGenerator random = QRandomGenerator::securelySeeded();
    std::vector<int> rows;
    for (int page = 1; page <= request->page; ++page) {
        if (!pager.moreToShow()) return kExitOk;
        rows = pager.nextPage(NamingState::kListPageSize, random);
    }
    for (size_t i = 0; i < rows.size(); ++i) printRow(io.out, *result, rows[i], int(i) + 1);
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
